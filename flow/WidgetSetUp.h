#pragma once
// Gives the game's list widgets their row formats, callbacks, layouts and
// page buttons once at start-up; widgets 0 to 2 get their menu entries.
void SetUpWidgets();
