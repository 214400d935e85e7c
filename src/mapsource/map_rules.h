// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every map must keep beyond its counts: fixed cells, codes allowed per area type,
// where fish, flames, lifts and rune stones may be, and the fairness rules of our level design.
#pragma once

#include <string>
#include <vector>

#include "catalogue.h"

namespace mapc {

// One message per broken rule, naming the cell; empty when the map keeps every rule.
std::vector<std::string> check_rules(const MapGrid& grid, const CatalogueEntry& entry);

}  // namespace mapc
