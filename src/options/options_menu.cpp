// SPDX-License-Identifier: GPL-3.0-or-later
// The registry of the options screen's pages and items.
#include "options/options_menu.h"

#include <algorithm>
#include <map>

namespace {
std::map<std::string, OptionPage>& pages() {
    static std::map<std::string, OptionPage> all;
    return all;
}

OptionPage& page_of(const std::string& id) {
    OptionPage& p = pages()[id];
    p.id = id;
    return p;
}
}  // namespace

void AddOptionsPage(const std::string& id, const std::string& title) {
    page_of(id).title = title;
}

void AddOptionsItem(const std::string& page, OptionItem item) {
    std::vector<OptionItem>& items = page_of(page).items;
    // After the items of the same order, so that equal numbers keep the order they came in.
    const auto at =
        std::upper_bound(items.begin(), items.end(), item.order,
                         [](int order, const OptionItem& other) { return order < other.order; });
    items.insert(at, std::move(item));
}

OptionItem PageEntry(const std::string& label, const std::string& help, int order,
                     const std::string& page) {
    OptionItem item;
    item.label = label;
    item.help = help;
    item.order = order;
    item.activate = [page] { OpenOptionsPage(page); };
    return item;
}

const OptionPage* FindOptionsPage(const std::string& id) {
    const auto it = pages().find(id);
    return it == pages().end() ? nullptr : &it->second;
}

void ClearOptionsPages() {
    pages().clear();
}
