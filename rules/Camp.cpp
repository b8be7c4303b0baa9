#include "rules/Camp.h"

#include "content/ContentDatabase.h"

std::array<uint8_t, CampEntry::kCount> CampMenuEnabled(const PartyState& party) {
    std::array<uint8_t, CampEntry::kCount> enabled;
    enabled.fill(1);
    bool anyOutside = false;
    for (int32_t id = 0; id < kCharacterCapacity; ++id)
        anyOutside = anyOutside || (party.hired[id] != 0 && !IsInParty(party, id));
    if (party.members.size() >= static_cast<size_t>(kMaxPartySize) || !anyOutside)
        enabled[CampEntry::kAdd] = 0;
    if (party.members.size() <= 1) enabled[CampEntry::kStandBy] = 0;
    return enabled;
}

bool AddMember(PartyState& party, int32_t character) {
    if (character < 0 || character >= kCharacterCapacity || party.hired[character] == 0) return false;
    if (IsInParty(party, character) || party.members.size() >= static_cast<size_t>(kMaxPartySize))
        return false;
    party.members.push_back(character);
    return true;
}

bool StandBy(PartyState& party, int32_t position) {
    if (party.members.size() <= 1 || position < 0 ||
        static_cast<size_t>(position) >= party.members.size())
        return false;
    party.members.erase(party.members.begin() + position);
    return true;
}

void ToggleRow(int32_t character) {
    if (character < 0 || character >= kCharacterCapacity) return;
    CharacterData& row = CharacterTable()[character];
    row.ranged = row.ranged == 0 ? 1 : 0;
}
