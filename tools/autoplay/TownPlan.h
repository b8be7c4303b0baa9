#pragma once
// The automatic player's town decisions, read from what the screens show
// (the party, its goods, the shop's offers, the recipes held): what is worth
// wearing, carrying, selling, buying and making. Pure functions: the button
// routines carry the answers out.
#include <cstdint>
#include <optional>
#include <vector>

#include "rules/PartyState.h"

// How much a weapon or accessory adds to a character: its bonuses weighted
// by what the character fights with (attack or magic), plus its skills.
// 0 for goods that cannot be worn.
double EquipValue(int32_t character, PackedItem item);
// The character's fighting strength with its equipment as worn.
double Strength(int32_t character);

struct EquipMove {
    int32_t position = 0;  // in the party
    int32_t slot = 0;      // 0 weapon, 1-4 accessories
    PackedItem item = 0;   // from the inventory
    double gain = 0;
};
// The single equip from the inventory that gains the most, if any gains.
std::optional<EquipMove> BestEquipMove(const PartyState& party);
// What the item would add to the best-served party member (0: nothing).
double UpgradeGain(const PartyState& party, PackedItem item);

// Worth of a usable item carried into battle (healing, reviving, damage);
// 0 for those the battle policy never uses.
double CarryWorth(PackedItem item);
struct CarryMove {
    int32_t slot = 0;
    PackedItem item = 0;  // from the inventory
};
std::optional<CarryMove> BestCarryMove(const PartyState& party);

// The inventory position of the next thing worth selling, or -1: wear that
// helps nobody, materials no held recipe asks for, surplus of the rest.
int32_t NextJunk(const PartyState& party);

// The shop offer to buy next, or -1. Cards, maps and notices first (they
// open the game up), then upgrades, then healing, then recipes.
int32_t NextPurchase(const PartyState& party);

// A held recipe worth making now (materials at hand, fee paid), or -1.
int32_t NextSynthesis(const PartyState& party);
// The synthesis tab that lists a product: 0 items, 1 weapons, 2 accessories, 3 materials.
int32_t SynthesisTab(int32_t product);

// Up to four hired characters to take: the strongest, with a healer kept
// when one is hired.
std::vector<int32_t> ChooseParty(const PartyState& party);
// The hired characters' cards worth paying for now, cheapest first.
int32_t NextHire(const PartyState& party);
