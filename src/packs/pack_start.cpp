// SPDX-License-Identifier: GPL-3.0-or-later
// The pack of a run, chosen before the game starts. Every refusal says why on standard error;
// the settings file keeps the player's choice as it was, so a pack mended later is played again.
#include "packs/pack_start.h"

#include <cstdio>

#include "packs/maps_in_force.h"
#include "packs/pack_discovery.h"

namespace {

bool play_or_refuse(const CheckedPack& pack, const std::string& where) {
    if (set_pack_in_force(&pack)) return true;
    for (const PackMessage& m : pack.messages) std::fprintf(stderr, "%s\n", m.to_string().c_str());
    std::fprintf(stderr,
                 "varnoth: the level pack %s cannot be played; the game's own areas are played "
                 "instead\n",
                 where.c_str());
    return false;
}

}  // namespace

bool start_with_pack(const std::string& folder, const std::string& chosen_id) {
    if (!folder.empty()) return play_or_refuse(check_pack(folder), "in " + folder);
    if (chosen_id.empty()) return false;
    const std::vector<FoundPack> packs = find_packs();
    const FoundPack* found = pack_with_id(packs, chosen_id);
    if (!found) {
        std::string places;
        for (const PackPlace& p : pack_places()) places += (places.empty() ? "" : ", ") + p.folder;
        std::fprintf(stderr,
                     "varnoth: the chosen level pack '%s' is not among the packs found (in %s); "
                     "the game's own areas are played\n",
                     chosen_id.c_str(), places.c_str());
        return false;
    }
    return play_or_refuse(found->pack, "'" + chosen_id + "' (" + found->pack.folder + ")");
}
