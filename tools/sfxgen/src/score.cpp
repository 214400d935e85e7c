// SPDX-License-Identifier: GPL-3.0-or-later
// Parser of the score text. Line-based: directives (tempo, instrument, drum, channel, order)
// and blocks (pattern ... end, section ... end); every error names the file and line.
#include "score.hpp"

#include <cmath>
#include <filesystem>
#include <sstream>

#include "keyvalue_file.hpp"

namespace sfxgen {

namespace {

struct Token {
    std::string text;
    int line = 0;
};

struct Use {
    std::string pattern;
    int transpose = 0;
    int repeat = 1;
};

struct SectionLine {
    std::string channel;
    std::vector<Use> uses;
    int line = 0;
};

// Words of a line; a word starting with '#' begins a comment ("G#4" is a note).
std::vector<std::string> split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    std::string w;
    while (in >> w && w.front() != '#') out.push_back(w);
    return out;
}

int to_int(const std::string& text, const std::string& path, int line, const std::string& what) {
    std::size_t used = 0;
    int v = 0;
    try {
        v = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size()) fail_at(path, line, what + " needs a whole number");
    return v;
}

// "name^-5*2": pattern name, transposition in semitones, repeat count.
Use parse_use(const std::string& text, const std::string& path, int line) {
    Use u;
    std::string rest = text;
    if (const auto star = rest.find('*'); star != std::string::npos) {
        u.repeat = to_int(rest.substr(star + 1), path, line, "'*' repeat");
        if (u.repeat < 1 || u.repeat > 64) fail_at(path, line, "repeat must be 1 to 64");
        rest = rest.substr(0, star);
    }
    if (const auto hat = rest.find('^'); hat != std::string::npos) {
        u.transpose = to_int(rest.substr(hat + 1), path, line, "'^' transposition");
        rest = rest.substr(0, hat);
    }
    u.pattern = rest;
    return u;
}

Section options_section(const std::vector<std::string>& words, std::size_t from,
                        const std::string& path, int line) {
    Section s{"options", line, {}};
    for (std::size_t i = from; i < words.size(); ++i) {
        const auto eq = words[i].find('=');
        if (eq == std::string::npos || eq == 0)
            fail_at(path, line, "expected key=value, got '" + words[i] + "'");
        for (const auto& kv : s.entries)
            if (kv.key == words[i].substr(0, eq))
                fail_at(path, line, "'" + kv.key + "' given twice");
        s.entries.push_back({words[i].substr(0, eq), words[i].substr(eq + 1), line});
    }
    return s;
}

Instrument parse_instrument(const std::vector<std::string>& w, const std::string& path, int line) {
    if (w.size() < 2) fail_at(path, line, "instrument needs a name");
    Instrument ins;
    ins.name = w[1];
    const Section opts = options_section(w, 2, path, line);
    SectionReader r(path, opts);
    const std::string wave =
        r.word("wave", "square", {"square", "saw", "triangle", "sine", "noise", "drums"});
    ins.drums = wave == "drums";
    if (!ins.drums) ins.wave = wave_from_name(wave);
    ins.duty = r.number("duty", 0.5, 0.02, 0.98);
    ins.attack = r.number("attack", 0.005, 0.0, 2.0);
    ins.decay = r.number("decay", 0.2, 0.001, 10.0);
    ins.sustain = r.number("sustain", 0.6, 0.0, 1.0);
    ins.release = r.number("release", 0.05, 0.001, 4.0);
    ins.vibrato_depth = r.number("vibrato_depth", 0.0, 0.0, 12.0);
    ins.vibrato_rate = r.number("vibrato_rate", 5.0, 0.0, 50.0);
    ins.vibrato_delay = r.number("vibrato_delay", 0.2, 0.0, 4.0);
    ins.arp_step = r.number("arp_step", 1.0 / 60.0, 0.005, 1.0);
    ins.volume = r.number("volume", 0.5, 0.0, 2.0);
    ins.pan = r.number("pan", 0.0, -1.0, 1.0);
    ins.echo = r.number("echo", 0.0, 0.0, 0.8);
    ins.echo_steps = static_cast<int>(r.number("echo_steps", 3, 1, 64));
    r.finish();
    return ins;
}

class Parser {
  public:
    explicit Parser(std::string path) : path_(std::move(path)) {
        song_.name = std::filesystem::path(path_).stem().string();
    }

    Song run(const std::string& text) {
        std::istringstream in(text);
        std::string raw;
        int line = 0;
        while (std::getline(in, raw)) {
            ++line;
            const auto words = split(raw);
            if (words.empty()) continue;
            if (block_ == Block::Pattern)
                pattern_line(words, line);
            else if (block_ == Block::Section)
                section_line(words, line);
            else
                directive(words, raw, line);
        }
        if (block_ != Block::None) fail_at(path_, line, "missing 'end' of '" + block_name_ + "'");
        if (song_.steps() == 0) fail_at(path_, 0, "the 'order' plays no steps");
        return song_;
    }

  private:
    enum class Block { None, Pattern, Section };

    void directive(const std::vector<std::string>& w, const std::string& raw, int line) {
        const std::string& d = w[0];
        if (d == "event") {
            const std::string rest = raw.substr(raw.find("event") + 5);
            const auto first = rest.find_first_not_of(" \t");
            song_.event = first == std::string::npos ? "" : rest.substr(first);
        } else if (d == "tempo" && w.size() == 2) {
            song_.tempo = to_int(w[1], path_, line, "tempo");
            if (song_.tempo < 40 || song_.tempo > 300)
                fail_at(path_, line, "tempo must be 40 to 300");
        } else if (d == "steps_per_beat" && w.size() == 2) {
            song_.steps_per_beat = to_int(w[1], path_, line, "steps_per_beat");
            if (song_.steps_per_beat < 1 || song_.steps_per_beat > 16)
                fail_at(path_, line, "steps_per_beat must be 1 to 16");
        } else if (d == "level_db" && w.size() == 2) {
            song_.level_db = to_int(w[1], path_, line, "level_db");
        } else if (d == "instrument") {
            Instrument ins = parse_instrument(w, path_, line);
            if (find_instrument(ins.name) >= 0) fail_at(path_, line, "instrument defined twice");
            song_.instruments.push_back(ins);
        } else if (d == "drum") {
            drum(w, line);
        } else if (d == "channel" && w.size() == 3) {
            const int ins = find_instrument(w[2]);
            if (ins < 0) fail_at(path_, line, "unknown instrument '" + w[2] + "'");
            if (find_channel(w[1]) >= 0) fail_at(path_, line, "channel defined twice");
            song_.channels.push_back({w[1], static_cast<std::size_t>(ins), {}});
        } else if (d == "pattern" && w.size() == 2) {
            if (patterns_.count(w[1]) != 0) fail_at(path_, line, "pattern defined twice");
            open(Block::Pattern, w[1]);
            patterns_[w[1]];
        } else if (d == "section" && w.size() == 2) {
            if (sections_.count(w[1]) != 0) fail_at(path_, line, "section defined twice");
            open(Block::Section, w[1]);
            section_lines_.clear();
        } else if (d == "order") {
            for (std::size_t i = 1; i < w.size(); ++i) play_section(w[i], line);
        } else {
            fail_at(path_, line, "unknown or malformed directive '" + d + "'");
        }
    }

    void open(Block b, const std::string& name) {
        block_ = b;
        block_name_ = name;
    }

    void drum(const std::vector<std::string>& w, int line) {
        if (w.size() < 4 || w[2].size() != 1)
            fail_at(path_, line, "expected: drum INSTRUMENT LETTER FILE [volume=V]");
        const int ins = find_instrument(w[1]);
        if (ins < 0 || !song_.instruments[ins].drums)
            fail_at(path_, line, "'" + w[1] + "' is not a drums instrument");
        const char letter = w[2][0];
        if (letter < 'a' || letter > 'z') fail_at(path_, line, "drum letters are a to z");
        const auto file = std::filesystem::path(path_).parent_path() / w[3];
        DrumHit hit{load_effect(file.string()), 1.0};
        const Section opts = options_section(w, 4, path_, line);
        SectionReader r(path_, opts);
        hit.volume = r.number("volume", 1.0, 0.0, 4.0);
        r.finish();
        song_.instruments[ins].kit[letter] = hit;
    }

    void pattern_line(const std::vector<std::string>& w, int line) {
        if (w.size() == 1 && w[0] == "end") {
            if (patterns_[block_name_].empty()) fail_at(path_, line, "empty pattern");
            block_ = Block::None;
            return;
        }
        for (const auto& t : w)
            if (t != "|") patterns_[block_name_].push_back({t, line});
    }

    void section_line(const std::vector<std::string>& w, int line) {
        if (w.size() == 1 && w[0] == "end") {
            close_section(line);
            return;
        }
        if (find_channel(w[0]) < 0) fail_at(path_, line, "unknown channel '" + w[0] + "'");
        SectionLine sl{w[0], {}, line};
        for (std::size_t i = 1; i < w.size(); ++i) sl.uses.push_back(parse_use(w[i], path_, line));
        if (sl.uses.empty()) fail_at(path_, line, "channel line names no pattern");
        section_lines_.push_back(sl);
    }

    void close_section(int end_line) {
        std::map<std::string, std::vector<Step>> steps;
        std::size_t length = 0;
        for (const auto& sl : section_lines_) {
            if (steps.count(sl.channel) != 0) fail_at(path_, sl.line, "channel given twice");
            const Instrument& ins =
                song_.instruments[song_.channels[find_channel(sl.channel)].instrument];
            auto& out = steps[sl.channel];
            for (const auto& u : sl.uses) {
                const auto it = patterns_.find(u.pattern);
                if (it == patterns_.end())
                    fail_at(path_, sl.line, "unknown pattern '" + u.pattern + "'");
                for (int r = 0; r < u.repeat; ++r)
                    for (const auto& tok : it->second)
                        out.push_back(to_step(tok, ins, u.transpose));
            }
            if (length != 0 && out.size() != length)
                fail_at(path_, sl.line,
                        "channel '" + sl.channel + "' has " + std::to_string(out.size()) +
                            " steps, others " + std::to_string(length));
            length = out.size();
        }
        if (length == 0) fail_at(path_, end_line, "empty section");
        for (const auto& ch : song_.channels)
            if (steps.count(ch.name) == 0) steps[ch.name] = std::vector<Step>(length);
        sections_[block_name_] = steps;
        block_ = Block::None;
    }

    Step to_step(const Token& tok, const Instrument& ins, int transpose) const {
        Step s;
        if (tok.text == ".") return s;
        if (tok.text == "-") {
            s.kind = Step::Kind::Hold;
            return s;
        }
        if (ins.drums) {
            s.kind = Step::Kind::Hits;
            for (char c : tok.text)
                if (ins.kit.count(c) == 0)
                    fail_at(path_, tok.line,
                            "drum '" + std::string(1, c) + "' not in kit '" + ins.name + "'");
            s.hits = tok.text;
            return s;
        }
        s.kind = Step::Kind::Notes;
        std::istringstream in(tok.text);
        std::string part;
        while (std::getline(in, part, '+')) {
            const int n = parse_note(part);
            if (n < 0) fail_at(path_, tok.line, "'" + tok.text + "' is not a note or chord");
            if (n + transpose < 12 || n + transpose > 120)
                fail_at(path_, tok.line, "transposed note out of range");
            s.notes.push_back(n + transpose);
        }
        return s;
    }

    void play_section(const std::string& name, int line) {
        const auto it = sections_.find(name);
        if (it == sections_.end()) fail_at(path_, line, "unknown section '" + name + "'");
        for (auto& ch : song_.channels) {
            const auto& add = it->second.at(ch.name);
            ch.timeline.insert(ch.timeline.end(), add.begin(), add.end());
        }
    }

    int find_instrument(const std::string& name) const {
        for (std::size_t i = 0; i < song_.instruments.size(); ++i)
            if (song_.instruments[i].name == name) return static_cast<int>(i);
        return -1;
    }
    int find_channel(const std::string& name) const {
        for (std::size_t i = 0; i < song_.channels.size(); ++i)
            if (song_.channels[i].name == name) return static_cast<int>(i);
        return -1;
    }

    std::string path_;
    Song song_;
    Block block_ = Block::None;
    std::string block_name_;
    std::map<std::string, std::vector<Token>> patterns_;
    std::vector<SectionLine> section_lines_;
    std::map<std::string, std::map<std::string, std::vector<Step>>> sections_;
};

}  // namespace

std::size_t Song::samples_per_step() const {
    return static_cast<std::size_t>(
        std::lround(kSampleRate * 60.0 / (tempo * static_cast<double>(steps_per_beat))));
}

int parse_note(const std::string& text) {
    static const int kOffsets[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (text.size() < 2 || text[0] < 'A' || text[0] > 'G') return -1;
    int n = kOffsets[text[0] - 'A'];
    std::size_t i = 1;
    if (text[i] == '#')
        ++n, ++i;
    else if (text[i] == 'b')
        --n, ++i;
    if (i + 1 != text.size() || text[i] < '0' || text[i] > '8') return -1;
    return n + 12 * (text[i] - '0' + 1);
}

Song parse_score(const std::string& text, const std::string& path) {
    return Parser(path).run(text);
}

Song load_score(const std::string& path) {
    return parse_score(read_text_file(path), path);
}

}  // namespace sfxgen
