#pragma once
// The skill table: every action in battle, from the basic attacks to the
// monsters' breaths. Rows come from SkillRows; four families share a
// template that fills their common fields.
#include "content/Records.h"
#include "content/SkillRows.h"

// The common fields of a template family, set on a zeroed record.
void ApplySkillTemplate(SkillTemplate family, SkillData& skill);

// Fills the skill table (capacity 700; ids without a row stay empty).
void BuildSkills();
