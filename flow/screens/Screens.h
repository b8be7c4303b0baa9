#pragma once
// Every screen of the game: its update handler (what the buttons of this
// frame do) and its drawing, side by side in one file per screen.

void UpdateTitle();
void DrawTitle();

// The town: the facility menu, and each facility by MenuState.
void UpdateTown();
void DrawTown();
void UpdateShop();
void DrawShop();
void UpdatePawnShop();
void DrawPawnShop();
void UpdateGuild();
void DrawGuild();
void UpdateTavern();
void DrawTavern();
void UpdateSaveScreen();
void DrawSaveScreen();
void UpdateSynthesis();
void DrawSynthesis();

void UpdateAreaChoice();
void DrawAreaChoice();

void UpdateExploration();
void DrawExploration();

// False when the handler ended the frame's update early (the screen
// counter and the sound request are then skipped).
bool UpdateBattleScreen();
void DrawBattleScreen();

// The camp, by SubState.
void UpdateCamp();
void DrawCamp();
