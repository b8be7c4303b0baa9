#pragma once
// How actions change statuses: afflicting and lowering by damage actions,
// granting and curing by support, curing ailments and dispelling raises.
#include "rules/BattleUnit.h"

// Damage path: every parameter, element and ailment status the skill can
// inflict, weighed against the target's resistances and the actor's
// lowering abilities. An inflicted status cancels a raise of the same kind.
void InflictStatuses(const BattleUnit& actor, BattleUnit& target, const SkillData& skill);

// Support path: grants or raises parameter and beneficial statuses (or
// cures them when lowered) and cures ailments, by the skill's chances.
void SupportStatuses(const BattleUnit& actor, BattleUnit& target, const SkillData& skill);

// Clears `count` random ailments (all when fewer are afflicted); doom is not an ailment here.
void CureAilments(BattleUnit& target, int32_t count);

// Cancels `count` random raised statuses (all when fewer); doom excluded.
void DispelRaises(BattleUnit& target, int32_t count);
