#pragma once
// The label tables of the shared vocabularies, shown as they stand, and the
// small per-kind tables that battle reads (status categories, side flags).
#include <array>
#include <cstdint>
#include <string_view>

#include "content/Vocabulary.h"
#include "engine/text/WString.h"

const std::array<WString, BaseParam::kCount>& BaseParamLabels();
const std::array<WString, WeaponKind::kCount>& WeaponKindLabels();
const std::array<WString, Element::kCount>& ElementLabels();
const std::array<WString, 2>& RangeLabels();  // 0 short range, 1 long range
const std::array<WString, StatusKind::kCount>& StatusLabels();
const std::array<WString, TargetKind::kCount>& TargetKindLabels();

// StatusCategory of each status kind.
const std::array<int32_t, StatusKind::kCount>& StatusCategories();
// By skill type: 0 the action aims at the other side, 1 at the actor's own.
const std::array<uint8_t, SkillType::kCount>& EffectTypeSides();

// Status kind whose label is `label`, or -1.
int32_t FindStatusKind(std::u16string_view label);
// Base parameter whose label is `label`, or -1.
int32_t FindBaseParam(std::u16string_view label);
