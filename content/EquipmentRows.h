#pragma once
// Weapons and accessories as data: one row per item id.
#include <cstdint>
#include <span>

struct EquipmentRow {
    int32_t id;
    int32_t kind;         // WeaponKind; 8 for accessories
    const char* bonuses;  // "Atk50+10 Hit20 Cri5": slope x q + constant
    int32_t priceSlope, priceBase;
    // Granted skills by quality threshold, in the order they are tested:
    // "101@40 104@70" grants each reached; "110@80|105@50" one of two.
    const char* skills;
};

std::span<const EquipmentRow> WeaponRows();
std::span<const EquipmentRow> AccessoryRows();
