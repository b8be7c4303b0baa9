#pragma once
// The single party level: experience, growth of the characters' base
// parameters and their progression (abilities, skills, title) by level.
#include <cstdint>

#include "content/Records.h"
#include "rules/PartyState.h"

// Experience needed to rise from `level` to the next.
int32_t ExpToNext(int32_t level);

// Adds `levels` levels of growth to the character's base parameters; the
// hundredths below a whole point carry over in its remainders.
void GrowCharacter(CharacterData& character, int32_t levels);

// Applies a new party level (capped at 999) to all 50 characters: growth
// for the levels gained, then progression for the new level. The current
// level changes nothing; a lower one rebuilds progression only.
void SetPartyLevel(PartyState& party, int32_t level);

// Battle experience: it goes into the pool while the level is below 999,
// and the pool pays for as many levels as it can; the levels reached wait
// in `pendingLevel` until the result screen has been shown.
void GainExperience(PartyState& party, int32_t experience);
