#pragma once
// The steps of BuildItemDefinitions, one per kind of item row.

// Consumable blocks and books into per-id definitions.
void BuildConsumableDefinitions();
// Weapon and accessory rows into per-id bonuses, prices and skills.
void BuildEquipmentDefinitions();
