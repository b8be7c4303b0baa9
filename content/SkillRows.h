#pragma once
// The rows of the skill table as data: one row per skill, columns in the
// record's field order. The consumable-only fields (price, uses) are 0 in
// this table and have no column.
#include <cstdint>
#include <span>

struct SkillRow {
    int32_t id;
    const char* name;
    int32_t epCost, mpCost, type, subtype, targetKind, hits, element, power;
    int32_t hitBonus, critBonus, speed;
    const char* statuses;  // status chances, e.g. "物防100 挑発100"
    int32_t effect, weaponKind, ranged, reflectable;
};

// Families whose common fields one shared routine fills; their rows give
// only what differs.
enum class SkillTemplate : int32_t { kRaisingSupport, kLowering, kSong, kAilment };

struct SkillTemplateRow {
    SkillTemplate family;
    int32_t id;
    const char* name;
    int32_t epCost, mpCost, targetKind, hitBonus;
    const char* statuses;
};

std::span<const SkillRow> SkillRows();
std::span<const SkillTemplateRow> SkillTemplateRows();
