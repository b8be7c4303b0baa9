#pragma once
// The enemy table: every monster of the random encounters, the quests and
// the reinforcements. Building sets the file names of the pictures only;
// LoadEnemyPicture (ContentPictures.h) loads them.

// Fills the enemy table (capacity 400; ids without a row stay empty).
void BuildEnemies();
