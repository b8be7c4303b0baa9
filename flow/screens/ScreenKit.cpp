#include "flow/screens/ScreenKit.h"

#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "flow/Palette.h"
#include "flow/SharedPictures.h"
#include "flow/SoundRequest.h"

void SoundDecide() { RequestSound(WString("decide")); }
void SoundCancel() { RequestSound(WString("cancel")); }
void SoundCursor() { RequestSound(WString("cur")); }

void SetWidgetState(int32_t widget, uint32_t state) { Widget(widget).SetState(state); }

void DrawBackground(int32_t number) {
    if (number < 0 || number >= static_cast<int32_t>(Pictures().backgrounds.size())) return;
    Graphics().SetColor(palette::kWhite);
    Graphics().DrawRect(kScreenRect, Background(size_t(number)), 0);
}

void DrawPanel(const Rect& rect) {
    Graphics().SetColor(palette::kPanelBlue);
    Graphics().DrawRect(rect, Pictures().panel, 0);
    Graphics().SetColor(palette::kWhite);
}

void SetGlyphs(int32_t size, int32_t spacing) {
    Graphics().Text().SetTextStyle(size, size, spacing, 0);
}

void DrawTextAt(Point at, const WString& text, Color color, int32_t horizontal, int32_t vertical) {
    GraphicsDevice& device = Graphics();
    device.SetColor(color);
    device.Text().SetTextAlign(horizontal, vertical);
    device.Text().DrawText(at, text);
    device.SetColor(palette::kWhite);
}

void DrawWidget(int32_t widget, const Rect& rect, int32_t glyphs) {
    SetGlyphs(glyphs, 0);
    Widget(widget).Draw(rect);
}

void DrawTabName(const Rect& listRect, const WString& name) {
    const int32_t centre = (listRect.left + listRect.right) / 2;
    const int32_t y = listRect.top - 40;
    SetGlyphs(20, 0);
    DrawTextAt({listRect.left + 10, y}, WString("←"), palette::kWhite);
    DrawTextAt({centre, y}, name, palette::kWhite, kAlignCentre);
    DrawTextAt({listRect.right - 10, y}, WString("→"), palette::kWhite, kAlignEnd);
}
