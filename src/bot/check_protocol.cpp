// SPDX-License-Identifier: GPL-3.0-or-later
// Request: "varnoth-area-check 1", "level L", "area A", "budget B", "map N" and N bytes, "end".
// Reply: any number of "progress BRANCHES PROGRESS", then "result OUTCOME BRANCHES FRAMES
// PROGRESS", "unreached COLUMN ROW" lines, "message N", "replay N" and "recording N" with their
// bytes, "done".
#include "bot/check_protocol.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

constexpr const char* kMagic = "varnoth-area-check 1";
constexpr size_t kLargestText = 16 << 20;  // far beyond any replay: a bigger count is nonsense

const char* outcome_name(AreaCheckResult::Outcome o) {
    switch (o) {
        case AreaCheckResult::Outcome::kWon:
            return "won";
        case AreaCheckResult::Outcome::kNoWay:
            return "noway";
        case AreaCheckResult::Outcome::kCancelled:
            return "cancelled";
        case AreaCheckResult::Outcome::kFailed:
            return "failed";
        default:
            return "running";
    }
}

bool outcome_of(const std::string& name, AreaCheckResult::Outcome& o) {
    for (auto c : {AreaCheckResult::Outcome::kWon, AreaCheckResult::Outcome::kNoWay,
                   AreaCheckResult::Outcome::kCancelled, AreaCheckResult::Outcome::kFailed}) {
        if (name == outcome_name(c)) {
            o = c;
            return true;
        }
    }
    return false;
}

std::string counted(const char* key, const std::string& text) {
    return std::string(key) + " " + std::to_string(text.size()) + "\n" + text + "\n";
}

// The number at the end of "key N", for a line that is exactly that.
bool number_after(const std::string& line, const std::string& key, long& value) {
    if (line.compare(0, key.size() + 1, key + " ") != 0) return false;
    const char* start = line.c_str() + key.size() + 1;
    char* end = nullptr;
    value = std::strtol(start, &end, 10);
    return end != start && *end == 0;
}

}  // namespace

std::string encode_request(const AreaCheckRequest& r) {
    std::string out = std::string(kMagic) + "\nlevel " + std::to_string(r.level) + "\narea " +
                      std::to_string(r.area) + "\nbudget " + std::to_string(r.branch_budget) +
                      "\nmap " + std::to_string(r.compiled_map.size()) + "\n";
    out.append(r.compiled_map.begin(), r.compiled_map.end());
    return out + "\nend\n";
}

bool decode_request(const std::string& bytes, AreaCheckRequest& request, std::string& error) {
    std::istringstream in(bytes);
    std::string line;
    long level = 0, area = 0, budget = 0, map = 0;
    const bool header = std::getline(in, line) && line == kMagic && std::getline(in, line) &&
                        number_after(line, "level", level) && std::getline(in, line) &&
                        number_after(line, "area", area) && std::getline(in, line) &&
                        number_after(line, "budget", budget) && std::getline(in, line) &&
                        number_after(line, "map", map);
    if (!header || map < 0 || budget < 0 || static_cast<size_t>(map) > kLargestText) {
        error = "not a request for an area check";
        return false;
    }
    std::string bytes_of_map(static_cast<size_t>(map), '\0');
    in.read(bytes_of_map.data(), map);
    if (!in || in.get() != '\n' || !std::getline(in, line) || line != "end") {
        error = "the request for an area check is cut short";
        return false;
    }
    request.level = static_cast<int>(level);
    request.area = static_cast<int>(area);
    request.branch_budget = static_cast<int>(budget);
    request.compiled_map.assign(bytes_of_map.begin(), bytes_of_map.end());
    return true;
}

std::string encode_progress(const AreaCheckResult& r) {
    char line[96];
    std::snprintf(line, sizeof line, "progress %d %.4f\n", r.branches, r.progress);
    return line;
}

std::string encode_answer(const AreaCheckResult& r) {
    char line[128];
    std::snprintf(line, sizeof line, "result %s %d %d %.4f\n", outcome_name(r.outcome), r.branches,
                  r.play_frames, r.progress);
    std::string out = line;
    for (const AreaCheckCell& c : r.unreached)
        out += "unreached " + std::to_string(c.column) + " " + std::to_string(c.row) + "\n";
    return out + counted("message", r.message) + counted("replay", r.replay) +
           counted("recording", r.recording) + "done\n";
}

void CheckReplyReader::feed(const std::string& bytes) {
    pending_ += bytes;
    while (!done_ && !broken_ && take_one()) {
    }
}

bool CheckReplyReader::take_one() {
    const size_t eol = pending_.find('\n');
    if (eol == std::string::npos) {
        if (pending_.size() > 256) broken_ = true;  // no line of the protocol is that long
        return false;
    }
    const std::string line = pending_.substr(0, eol);
    long count = 0;
    std::string* text = number_after(line, "message", count)     ? &answer_.message
                        : number_after(line, "replay", count)    ? &answer_.replay
                        : number_after(line, "recording", count) ? &answer_.recording
                                                                 : nullptr;
    if (text) {
        if (count < 0 || static_cast<size_t>(count) > kLargestText) {
            broken_ = true;
            return false;
        }
        const size_t n = static_cast<size_t>(count);
        if (pending_.size() < eol + 1 + n + 1) return false;  // the text is still on its way
        if (pending_[eol + 1 + n] != '\n') {
            broken_ = true;
            return false;
        }
        *text = pending_.substr(eol + 1, n);
        pending_.erase(0, eol + 1 + n + 1);
        return true;
    }
    pending_.erase(0, eol + 1);
    char word[16] = {};
    int a = 0, b = 0;
    float f = 0;
    if (std::sscanf(line.c_str(), "progress %d %f", &a, &f) == 2) {
        result_.branches = a;
        result_.progress = f;
    } else if (std::sscanf(line.c_str(), "result %15s %d %d %f", word, &a, &b, &f) == 4 &&
               outcome_of(word, answer_.outcome)) {
        answer_.branches = a;
        answer_.play_frames = b;
        answer_.progress = f;
    } else if (std::sscanf(line.c_str(), "unreached %d %d", &a, &b) == 2) {
        answer_.unreached.push_back(AreaCheckCell{a, b});
    } else if (line == "done" && answer_.outcome != AreaCheckResult::Outcome::kRunning) {
        result_ = answer_;
        done_ = true;
    } else {
        broken_ = true;
    }
    return !broken_;
}
