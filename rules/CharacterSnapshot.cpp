#include "rules/CharacterSnapshot.h"

CharacterSnapshots TakeCharacterSnapshot() {
    CharacterSnapshots snapshot;
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        const CharacterData& row = CharacterTable()[id];
        snapshot[id] = {row.params, row.title, row.skills, row.equipment, row.growthRemainder, row.ranged};
    }
    return snapshot;
}

void RestoreCharacters(const CharacterSnapshots& snapshot) {
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        CharacterData& row = CharacterTable()[id];
        const CharacterSnapshot& s = snapshot[id];
        row.params = s.params;
        row.title = s.title;
        row.skills = s.skills;
        row.equipment = s.equipment;
        row.growthRemainder = s.growthRemainder;
        row.ranged = s.ranged;
    }
}
