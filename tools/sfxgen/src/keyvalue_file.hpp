// SPDX-License-Identifier: GPL-3.0-or-later
// Reader for the "key = value" effect files: optional [section] headers, '#' comments, and
// typed, range-checked access that rejects unknown or misspelt keys with file and line.
#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "source_error.hpp"

namespace sfxgen {

struct KeyValue {
    std::string key;
    std::string value;
    int line = 0;
};

struct Section {
    std::string name;  // empty for the keys before the first header
    int line = 0;
    std::vector<KeyValue> entries;
};

struct KeyValueFile {
    std::string path;
    std::vector<Section> sections;  // sections[0] is the unnamed top part
};

KeyValueFile parse_key_value(const std::string& text, const std::string& path);
KeyValueFile load_key_value(const std::string& path);
std::string read_text_file(const std::string& path);

class SectionReader {
  public:
    SectionReader(std::string path, const Section& section);

    double number(const std::string& key, double fallback, double lo, double hi);
    std::vector<double> numbers(const std::string& key, double lo, double hi);
    std::string word(const std::string& key, const std::string& fallback,
                     std::initializer_list<const char*> allowed);
    std::string text(const std::string& key, const std::string& fallback);
    // Fails on the first key that no getter asked for.
    void finish() const;

  private:
    const KeyValue* find(const std::string& key);

    std::string path_;
    const Section& section_;
    std::set<std::string> used_;
};

}  // namespace sfxgen
