#include "rules/Tavern.h"

#include "content/ContentDatabase.h"
#include "rules/Belongings.h"

bool Hire(PartyState& party, int32_t character) {
    if (character < 0 || character >= kCharacterCapacity) return false;
    if (party.cards[character] != Holding::kCarried || party.hired[character] != 0) return false;
    const int32_t fee = CharacterById(character).hireFee;
    if (party.gold < fee) return false;
    AddGold(party, -fee);
    party.hired[character] = 1;
    return true;
}
