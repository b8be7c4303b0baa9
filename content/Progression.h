#pragma once
// How a hireable character's row follows the party level: its abilities,
// learned skills (slots 1-14) and title, rebuilt from its rules; and the
// finishing step that takes the basic attack and the row from the weapon.
#include <cstdint>
#include <vector>

#include "content/ProgressionRows.h"
#include "engine/text/WString.h"

struct ProgressionRule {
    int32_t level = 0;  // holds when the level is at least this
    RuleKind kind = RuleKind::kAbility;
    int32_t index = 0;  // ability or skill slot
    int32_t value = 0;  // ability value to add, or skill id
    WString title;
};

inline constexpr int32_t kFirstLearnedSlot = 1;
inline constexpr int32_t kLastLearnedSlot = 14;

// Reads the rule rows into per-character lists; a row that cannot be read
// (unknown ability, slot outside 1-14) is reported and left out.
void BuildProgressionRules();
// The rules of a character in order; empty for characters without rules.
const std::vector<ProgressionRule>& CharacterRules(int32_t characterId);

// Sets the 100 abilities of the row to 0 and applies every rule whose level
// is reached, in order. Skill slots and the title are only ever set, so a
// lower level leaves what a higher one gave them.
void ApplyCharacterProgression(int32_t characterId, int32_t level);

// For every row: skill slot 0 becomes the attack of the starting weapon's
// kind (the unarmed attack without a weapon), and the row stands back
// when that kind is the bow, gun or staff.
void FinishCharacterTable();
