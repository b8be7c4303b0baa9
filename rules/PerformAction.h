#pragma once
// Carrying out a unit's pending action: target choice by target kind, cost
// payment and resolution on every taken target.
#include "rules/BattleState.h"

// `targetIndex` is the chosen target or kAutoTarget; `skillId` addresses the
// skill table (700 and above: the carried-item actions).
void PerformAction(BattleState& battle, int32_t targetIndex, int32_t actorIndex, int32_t skillId);

// The units the action takes, in order, each as often as the skill hits.
std::vector<int32_t> TakeTargets(const BattleState& battle, int32_t targetIndex,
                                 int32_t actorIndex, const SkillData& skill);
