#pragma once
// The rows of the enemy table as data: one monster per row. Resistances
// come in three groups, each row naming one set per group; the lists are
// short texts (see ListText.h).
#include <array>
#include <cstdint>
#include <span>

namespace EnemySets {
// Physical, magic and breath resistance.
enum GuardSet : int32_t { gNone, gHide, gArmor, gStone, gSpirit, gWard, gScale, gMachine, gBoss, gGod,
                          kGuardSets };
// The seven elements in element order; negative values are weaknesses.
enum ElementSet : int32_t { eNone, eFireWeak, eFire, eIce, eThunder, eWind, eLight, eDark, eWater,
                            eEarth, eUndead, eMachine, eDragon, eBird, eSpirit, eGod, kElementSets };
// Poison, sleep, paralysis, confusion, cowardice, seal, instant death,
// parameter lowering and element lowering.
enum AilmentSet : int32_t { aNone, aLight, aMid, aHigh, aBoss, aGod, aUndead, aMachine,
                            kAilmentSets };
}  // namespace EnemySets

struct EnemyRow {
    int32_t id;
    const char* name;
    int32_t hp, atk, mag, hit, cri, avo, luck, sp;
    EnemySets::GuardSet guards;
    EnemySets::ElementSet elements;
    EnemySets::AilmentSet ailments;
    const char* abilities;  // the others, added: "闘志15 反射30"
    const char* picture;    // in "image\enemy"
    int32_t hue;            // degrees
    double scale;
    const char* actions;   // skill:weight
    const char* drops;     // item:base+spread@chance (out of 10000)
    const char* counters;  // skill:chance (%)
    int32_t exp, gold, frontChance;
};

std::span<const EnemyRow> EnemyRows();

const std::array<int32_t, 3>& GuardValues(EnemySets::GuardSet set);
const std::array<int32_t, 7>& ElementValues(EnemySets::ElementSet set);
const std::array<int32_t, 9>& AilmentValues(EnemySets::AilmentSet set);
