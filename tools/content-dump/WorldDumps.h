#pragma once
// The dumps of the monsters, characters, areas and quests.
class Tsv;

void DumpEnemies(Tsv& out);
void DumpCharacters(Tsv& out);
void DumpProgression(Tsv& out);
void DumpAreas(Tsv& out);
void DumpEncounters(Tsv& out);
void DumpFinds(Tsv& out);
void DumpQuests(Tsv& out);
