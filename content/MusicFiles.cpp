#include "content/MusicFiles.h"

#include <cstring>

namespace {

constexpr const char* kNames[] = {
    // Screens.
    kTitleMusic, kTownMusic, kDefeatMusic,
    // Exploration, one tune per area.
    "field1.mid", "forest1.mid", "cave1.mid", "mountain1.mid", "sea1.mid", "castle1.mid",
    "promised1.mid",
    // Battles met by chance, rising in tension from area to area.
    "battle1.mid", "battle2.mid", "battle3.mid", "battle4.mid", "battle5.mid",
    "battle6.mid", "battle7.mid",
    // Quest battles: named foes, area bosses, the demon king, the last foes.
    "boss1.mid", "boss2.mid", "boss3.mid", "maou.mid", "god.mid", "last.mid",
};

}  // namespace

std::span<const char* const> MusicFileNames() { return kNames; }

bool IsMusicFile(const char* name) {
    for (const char* known : kNames)
        if (std::strcmp(known, name) == 0) return true;
    return false;
}
