#pragma once
// The areas the party explores: name, background, music, encounter
// budget, and the monsters and goods of each exploration level 0-49.

// Fills the area table (areas 0-6; 7-49 stay empty). Rows are appended in
// data order, runs of finds one goods after the other.
void BuildAreas();
