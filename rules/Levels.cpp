#include "rules/Levels.h"

#include <algorithm>
#include <cmath>

#include "content/Progression.h"
#include "content/ContentDatabase.h"
#include "rules/BattleMath.h"

int32_t ExpToNext(int32_t level) {
    const double l = level;
    return Trunc(20 * l * std::sqrt(l) + 20);
}

void GrowCharacter(CharacterData& character, int32_t levels) {
    for (int32_t p = 0; p < BaseParam::kCount; ++p) {
        const int64_t carried = character.growthRemainder[p] + int64_t{character.growth[p]} * levels;
        character.params.Base(p) = Saturate(character.params.Base(p) + carried / 100);
        character.growthRemainder[p] = static_cast<int32_t>(carried % 100);
    }
}

void SetPartyLevel(PartyState& party, int32_t level) {
    level = std::clamp(level, 1, kMaxLevel);
    const int32_t gained = level - party.level;
    if (gained == 0) return;
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        // Levels never fall in play; a lower level leaves the grown values.
        if (gained > 0) GrowCharacter(CharacterTable()[id], gained);
        ApplyCharacterProgression(id, level);
    }
    party.level = level;
}

void GainExperience(PartyState& party, int32_t experience) {
    if (party.level < kMaxLevel) party.expPool = Saturate(int64_t{party.expPool} + experience);
    party.pendingLevel = party.level;
    while (party.pendingLevel < kMaxLevel && party.expPool >= ExpToNext(party.pendingLevel)) {
        party.expPool -= ExpToNext(party.pendingLevel);
        ++party.pendingLevel;
    }
}
