#pragma once
// The progression rules of the hireable characters as data: from a level
// on, an ability grows, a skill slot holds a skill, or the title changes.
// Rows of one character are in order; a later rule for the same slot
// overwrites an earlier one (that is how a technique is upgraded).
#include <cstdint>
#include <span>

enum class RuleKind : int32_t { kAbility, kSkillSlot, kTitle };

struct RuleAction {
    RuleKind kind;
    const char* text;  // the ability's name, or the title
    int32_t slot;      // skill slot 1-14
    int32_t value;     // ability value to add, or skill id
};

constexpr RuleAction Gain(const char* ability, int32_t value) {
    return {RuleKind::kAbility, ability, 0, value};
}
constexpr RuleAction Slot(int32_t slot, int32_t skill) {
    return {RuleKind::kSkillSlot, nullptr, slot, skill};
}
constexpr RuleAction Title(const char* title) { return {RuleKind::kTitle, title, 0, 0}; }

struct ProgressionRow {
    int32_t character;
    int32_t level;  // 0: from the start
    RuleAction action;
};

std::span<const ProgressionRow> ProgressionRows();
