#pragma once
// The hireable characters: who they are, what they cost, their starting
// weapon and parameters, and how they grow. The rows are also the live
// records of the characters once the game runs.

// Fills the character table (rows 0-22; 23-49 stay empty), reads the
// progression rules, takes slot 0 and the battle row from each starting
// weapon, and applies the progression of level 1.
void BuildCharacters();
