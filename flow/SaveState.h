#pragma once
// What a save holds, taken from the game state and put back into it, and
// the new-game state. The state is passed in so the tool, the fuzzer and
// the tests can work on records of their own.
#include <array>

#include "content/ContentDatabase.h"
#include "flow/SaveLayout.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"

using CharacterRows = std::array<CharacterData, kCharacterCapacity>;

SaveRecord CaptureSave(const PartyState& party, const ExpeditionState& expedition,
                       const CharacterRows& characters);

// Puts a record that passed DecodeSave into the state. Hired characters
// take their equipment and row from it (and the basic attack of the
// weapon); the others keep theirs. The level is taken as stored: the
// caller re-applies it (ReapplyLoadedLevel). Cannot fail.
void ApplySave(const SaveRecord& record, PartyState& party, ExpeditionState& expedition,
               CharacterRows& characters);

// Resets what a save holds to a new game's: characters 0 and 1 hired and
// in the party, the starting notices, map and recipes, a herb in carried
// slot 0. The characters' equipment and rows stay as the table has them.
void ResetForNewGame(PartyState& party, ExpeditionState& expedition);
