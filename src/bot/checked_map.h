// SPDX-License-Identifier: GPL-3.0-or-later
// The map a check plays: a compiled map given with the request takes the place of the game's own
// map of that area in this process for as long as the check runs, so that the game loads it
// exactly as it loads its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CheckedMap {
  public:
    // Empty bytes: the game's own map stays. A map of the wrong size is refused (ok() false).
    CheckedMap(int level, int area, const std::vector<uint8_t>& compiled);
    ~CheckedMap();  // the game's own map again
    CheckedMap(const CheckedMap&) = delete;
    CheckedMap& operator=(const CheckedMap&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

  private:
    std::string name_;
    std::vector<uint8_t> given_;
    std::string error_;
};
