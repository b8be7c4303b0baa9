#pragma once
// The subjugation quests: named monster battles met in an area's level
// window, with their recommended level and rewards. Built last at start-up.

// Fills the quest table (145 rows with ids 0-154; the others stay empty).
void BuildQuests();
