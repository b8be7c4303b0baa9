#pragma once
// The few moves every screen makes: reading this frame's buttons, asking
// for the three menu sounds, showing a widget, drawing backgrounds, panels
// and texts in the screens' text styles.
#include <cstdint>

#include "engine/graphics/Geometry.h"
#include "engine/input/Input.h"
#include "engine/text/WString.h"
#include "flow/GameFlow.h"

inline bool Pressed(int32_t button) { return PressedButtons()[size_t(button)] != 0; }

void SoundDecide();
void SoundCancel();
void SoundCursor();

void SetWidgetState(int32_t widget, uint32_t state);

// Screen rectangles are written as left, top, width, height.
inline Rect Box(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
}

void DrawBackground(int32_t number);
// The panel texture tinted the shared translucent blue.
void DrawPanel(const Rect& rect);
// N-pixel glyphs: N x N cells with the given letter spacing.
void SetGlyphs(int32_t size, int32_t spacing);
// Text in a colour, aligned (0 start, 1 centre, 2 end) at a point; the
// colour returns to white afterwards.
void DrawTextAt(Point at, const WString& text, Color color, int32_t horizontal = kAlignStart,
                int32_t vertical = kAlignStart);
// Draws a widget in a rectangle with N-pixel glyphs (letter spacing 0).
void DrawWidget(int32_t widget, const Rect& rect, int32_t glyphs);
// "←" name "→" centred over a list: the tab of a tabbed list.
void DrawTabName(const Rect& listRect, const WString& name);
