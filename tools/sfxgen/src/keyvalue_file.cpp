// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing and typed access for the "key = value" effect files.
// Numbers must parse completely and lie in range; duplicates and unknown keys are errors.
#include "keyvalue_file.hpp"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sfxgen {

void fail_at(const std::string& file, int line, const std::string& message) {
    if (line > 0) throw SourceError(file + ":" + std::to_string(line) + ": " + message);
    throw SourceError(file + ": " + message);
}

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

double parse_number(const std::string& text, const std::string& path, int line,
                    const std::string& key) {
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE)
        fail_at(path, line, "'" + key + "' needs a number, got '" + text + "'");
    return v;
}

}  // namespace

std::string read_text_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) fail_at(path, 0, "cannot open file");
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

KeyValueFile parse_key_value(const std::string& text, const std::string& path) {
    KeyValueFile file{path, {Section{}}};
    std::istringstream in(text);
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        const std::string s = trim(raw.substr(0, raw.find('#')));
        if (s.empty()) continue;
        if (s.front() == '[') {
            if (s.back() != ']' || s.size() < 3) fail_at(path, line, "bad section header");
            file.sections.push_back(Section{trim(s.substr(1, s.size() - 2)), line, {}});
            continue;
        }
        const auto eq = s.find('=');
        if (eq == std::string::npos) fail_at(path, line, "expected 'key = value'");
        KeyValue kv{trim(s.substr(0, eq)), trim(s.substr(eq + 1)), line};
        if (kv.key.empty()) fail_at(path, line, "missing key before '='");
        for (const auto& other : file.sections.back().entries)
            if (other.key == kv.key)
                fail_at(path, line, "'" + kv.key + "' given twice in one section");
        file.sections.back().entries.push_back(kv);
    }
    return file;
}

KeyValueFile load_key_value(const std::string& path) {
    return parse_key_value(read_text_file(path), path);
}

SectionReader::SectionReader(std::string path, const Section& section)
    : path_(std::move(path)), section_(section) {}

const KeyValue* SectionReader::find(const std::string& key) {
    used_.insert(key);
    for (const auto& kv : section_.entries)
        if (kv.key == key) return &kv;
    return nullptr;
}

double SectionReader::number(const std::string& key, double fallback, double lo, double hi) {
    const KeyValue* kv = find(key);
    if (kv == nullptr) return fallback;
    const double v = parse_number(kv->value, path_, kv->line, key);
    if (v < lo || v > hi) {
        std::ostringstream msg;
        msg << "'" << key << "' = " << kv->value << " is outside " << lo << " .. " << hi;
        fail_at(path_, kv->line, msg.str());
    }
    return v;
}

std::vector<double> SectionReader::numbers(const std::string& key, double lo, double hi) {
    std::vector<double> out;
    const KeyValue* kv = find(key);
    if (kv == nullptr) return out;
    std::istringstream in(kv->value);
    std::string item;
    while (in >> item) {
        const double v = parse_number(item, path_, kv->line, key);
        if (v < lo || v > hi)
            fail_at(path_, kv->line, "'" + key + "' has " + item + " out of range");
        out.push_back(v);
    }
    if (out.empty()) fail_at(path_, kv->line, "'" + key + "' needs at least one number");
    return out;
}

std::string SectionReader::word(const std::string& key, const std::string& fallback,
                                std::initializer_list<const char*> allowed) {
    const KeyValue* kv = find(key);
    if (kv == nullptr) return fallback;
    std::string choices;
    for (const char* a : allowed) {
        if (kv->value == a) return kv->value;
        choices += std::string(choices.empty() ? "" : ", ") + a;
    }
    fail_at(path_, kv->line,
            "'" + key + "' must be one of " + choices + ", got '" + kv->value + "'");
}

std::string SectionReader::text(const std::string& key, const std::string& fallback) {
    const KeyValue* kv = find(key);
    return kv == nullptr ? fallback : kv->value;
}

void SectionReader::finish() const {
    for (const auto& kv : section_.entries)
        if (used_.count(kv.key) == 0) fail_at(path_, kv.line, "unknown key '" + kv.key + "'");
}

}  // namespace sfxgen
