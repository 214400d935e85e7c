// SPDX-License-Identifier: GPL-3.0-or-later
// Every folder of the pack places is a pack, sound or not: a folder a player dropped there and
// that cannot be played is listed with what is wrong, not left out without a word.
#include "packs/pack_discovery.h"

#include <set>

#include "packs/pack_folder.h"
#include "platform/platform.h"

std::string game_packs_folder() {
    return ResolvePath("data\\packs");
}

std::vector<PackPlace> pack_places() {
    std::vector<PackPlace> places;
    const std::string own = PlayersPacksFolder();
    if (!own.empty()) places.push_back(PackPlace{own, true});
    places.push_back(PackPlace{game_packs_folder(), false});
    return places;
}

std::vector<FoundPack> find_packs_in(const std::vector<PackPlace>& places) {
    std::vector<FoundPack> found;
    std::set<std::string> claimed;
    for (const PackPlace& place : places) {
        for (const std::string& name : FolderEntries(place.folder, true)) {
            FoundPack f;
            f.pack = check_pack(pack_file(place.folder, name));
            f.players_own = place.players_own;
            // The first pack of an id has it, playable or not: a player's own copy being
            // mended still stands in front of the shipped one.
            if (!claimed.insert(f.pack.info.id).second)
                f.standing = PackStanding::kDuplicate;
            else
                f.standing = f.pack.playable() ? PackStanding::kPlayable : PackStanding::kBroken;
            found.push_back(std::move(f));
        }
    }
    return found;
}

std::vector<FoundPack> find_packs() {
    return find_packs_in(pack_places());
}

const FoundPack* pack_with_id(const std::vector<FoundPack>& packs, const std::string& id) {
    for (const FoundPack& f : packs)
        if (f.pack.info.id == id && f.standing != PackStanding::kDuplicate) return &f;
    return nullptr;
}
