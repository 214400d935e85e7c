// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing pack.ini. Its values are checked here once for the checker, the game and
// the editor's form alike: an id fit for a file name, a title short enough for the title screen,
// UTF-8 text without control characters.
#include "packs/pack_info.h"

#include <cstddef>
#include <sstream>

namespace {

constexpr size_t kMostIdChars = 32;
constexpr size_t kMostTitleChars = 40;
constexpr size_t kMostAuthorChars = 60;
constexpr size_t kMostVersionChars = 20;
constexpr size_t kMostDescriptionChars = 200;
// Some Windows editors begin a UTF-8 file with it; it is no part of the first key.
constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    const size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// Characters (code points) of well-formed UTF-8 without control characters; -1 otherwise.
long text_length(const std::string& s) {
    long chars = 0;
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t more = 0;
        if (c < 0x20 || c == 0x7f) return -1;
        if (c >= 0x80 && c <= 0xc1) return -1;
        if (c >= 0xc2) more = c <= 0xdf ? 1 : c <= 0xef ? 2 : c <= 0xf4 ? 3 : 9;
        if (more > 3 || s.size() - i - 1 < more) return -1;
        for (size_t k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xc0) != 0x80) return -1;
        i += more + 1;
        ++chars;
    }
    return chars;
}

bool spdx_word(const std::string& w) {
    if (w.empty()) return false;
    for (char c : w) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+';
        if (!ok) return false;
    }
    return true;
}

// One SPDX identifier, or several joined by AND, OR or WITH.
bool spdx_expression(const std::string& value) {
    std::istringstream words(value);
    std::string w;
    bool want_id = true;
    while (words >> w) {
        const bool joiner = w == "AND" || w == "OR" || w == "WITH";
        if (want_id == joiner || (want_id && !spdx_word(w))) return false;
        want_id = !want_id;
    }
    return !want_id;
}

bool version_text(const std::string& value) {
    for (char c : value) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == '~';
        if (!ok) return false;
    }
    return true;
}

std::string too_long(const char* what, size_t most) {
    return std::string(what) + " is longer than " + std::to_string(most) + " characters";
}

// The value of a key, const or not as the record is; nullptr for an unknown key.
template <typename Info>
auto field(Info& info, const std::string& key) -> decltype(&info.id) {
    if (key == "id") return &info.id;
    if (key == "title") return &info.title;
    if (key == "author") return &info.author;
    if (key == "licence") return &info.licence;
    if (key == "version") return &info.version;
    if (key == "description") return &info.description;
    return nullptr;
}

const std::string& value_of(const PackInfo& info, const std::string& key) {
    return *field(info, key);
}

}  // namespace

bool valid_pack_id(const std::string& id) {
    if (id.empty() || id.size() > kMostIdChars || id[0] == '-') return false;
    for (char c : id)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) return false;
    return true;
}

std::string pack_value_problem(const std::string& key, const std::string& value) {
    PackInfo probe;
    if (!field(probe, key)) return "unknown key '" + key + "'";
    const long length = text_length(value);
    if (length < 0) return "the " + key + " must be UTF-8 text without control characters";
    const auto chars = static_cast<size_t>(length);
    if (value.empty() && key != "description") return "the " + key + " is empty";
    if (key == "id" && !valid_pack_id(value))
        return "the id may hold only lower-case letters, digits and '-' (not first), at most " +
               std::to_string(kMostIdChars);
    if (key == "title" && chars > kMostTitleChars) return too_long("the title", kMostTitleChars);
    if (key == "author" && chars > kMostAuthorChars)
        return too_long("the author", kMostAuthorChars);
    if (key == "licence" && !spdx_expression(value))
        return "the licence must be an SPDX identifier, such as CC-BY-SA-4.0";
    if (key == "version" && (chars > kMostVersionChars || !version_text(value)))
        return "the version may hold only letters, digits and . - + ~, at most " +
               std::to_string(kMostVersionChars);
    if (key == "description" && chars > kMostDescriptionChars)
        return too_long("the description", kMostDescriptionChars);
    return "";
}

std::string pack_info_problem(const PackInfo& info) {
    for (const char* key : kPackInfoKeys) {
        const std::string problem = pack_value_problem(key, value_of(info, key));
        if (!problem.empty()) return problem;
    }
    return "";
}

bool parse_pack_ini(const std::string& text, const std::string& file_label, PackInfo& info,
                    std::vector<PackMessage>& messages) {
    info = PackInfo{};
    const size_t before = messages.size();
    auto say = [&](int line, int column, const std::string& why) {
        messages.push_back(PackMessage{file_label, line, column, -1, -1, why});
    };
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    int given_on[std::size(kPackInfoKeys)] = {};
    while (std::getline(lines, line)) {
        ++number;
        if (number == 1 && line.compare(0, 3, kByteOrderMark) == 0) line.erase(0, 3);
        const std::string t = trim(line);
        if (t.empty() || t[0] == '#') continue;
        const int column = static_cast<int>(line.find(t[0])) + 1;
        const size_t eq = t.find('=');
        if (eq == std::string::npos) {
            say(number, column, "not a 'key = value' line");
            continue;
        }
        const std::string key = trim(t.substr(0, eq));
        const std::string value = trim(t.substr(eq + 1));
        size_t k = 0;
        while (k < std::size(kPackInfoKeys) && key != kPackInfoKeys[k]) ++k;
        if (k == std::size(kPackInfoKeys)) {
            say(number, column,
                "unknown key '" + key +
                    "' (the keys are id, title, author, licence, version and description)");
            continue;
        }
        if (given_on[k] != 0) {
            say(number, column,
                "'" + key + "' given twice (first on line " + std::to_string(given_on[k]) + ")");
            continue;
        }
        given_on[k] = number;
        const std::string problem = pack_value_problem(key, value);
        if (!problem.empty()) {
            const size_t v = line.find_first_not_of(" \t", line.find('=') + 1);
            say(number, static_cast<int>(v == std::string::npos ? line.size() + 1 : v + 1),
                problem);
            continue;
        }
        *field(info, key) = value;
    }
    for (size_t k = 0; k < std::size(kPackInfoKeys); ++k) {
        const std::string key = kPackInfoKeys[k];
        if (given_on[k] == 0 && key != "description")
            say(0, 0,
                "no '" + key +
                    " = ...' line: a pack names its id, title, author, licence "
                    "and version");
    }
    return messages.size() == before;
}

std::string format_pack_ini(const PackInfo& info, const std::string& previous_text) {
    const std::string fresh =
        "# A Varnoth level pack: 'key = value' lines, '#' starts a comment.\n"
        "id =\ntitle =\nauthor =\nlicence =\nversion =\ndescription =\n";
    bool written[std::size(kPackInfoKeys)] = {};
    std::string previous = previous_text.empty() ? fresh : previous_text;
    if (previous.compare(0, 3, kByteOrderMark) == 0) previous.erase(0, 3);
    std::istringstream lines(previous);
    std::ostringstream out;
    std::string line;
    auto entry = [&](size_t k) {
        const std::string& value = value_of(info, kPackInfoKeys[k]);
        return std::string(kPackInfoKeys[k]) + (value.empty() ? " =" : " = " + value);
    };
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string t = trim(line);
        const size_t eq = t.find('=');
        size_t k = std::size(kPackInfoKeys);
        if (!t.empty() && t[0] != '#' && eq != std::string::npos) {
            const std::string key = trim(t.substr(0, eq));
            k = 0;
            while (k < std::size(kPackInfoKeys) && key != kPackInfoKeys[k]) ++k;
        }
        // Comments, blank lines and lines the reader refuses stay as the author wrote them,
        // except a second line for a key, which would be refused again.
        if (k == std::size(kPackInfoKeys)) {
            out << line << "\n";
        } else if (!written[k]) {
            out << entry(k) << "\n";
            written[k] = true;
        }
    }
    for (size_t k = 0; k < std::size(kPackInfoKeys); ++k)
        if (!written[k]) out << entry(k) << "\n";
    return out.str();
}
