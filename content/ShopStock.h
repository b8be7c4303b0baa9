#pragma once
// The rows from which the shop draws its stock as quests are defeated.

// Fills the shop stock table: 375 rows in the order materials and shells,
// weapons, a treasure, fine stones, recipes, quest certificates.
void BuildShopStock();
