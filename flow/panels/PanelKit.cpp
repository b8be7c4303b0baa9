#include "flow/panels/PanelKit.h"

#include <algorithm>

#include "engine/font/TextLayout.h"
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "flow/Palette.h"
#include "flow/SharedPictures.h"

namespace {

constexpr int32_t kSqueezePercent = 60;

double AdvanceRatioOf(char16_t unit) {
    TextRenderer& text = Graphics().Text();
    return text.GlyphAt(text.GlyphFor(unit)).advanceRatio;
}

}  // namespace

int32_t TextWidth(const WString& text, int32_t cellWidth, int32_t spacing) {
    const TextStyle style{cellWidth, cellWidth, spacing, 0};
    int32_t width = 0;
    for (char16_t unit : text.View()) width += UnitAdvance(unit, style, AdvanceRatioOf);
    return text.Empty() ? 0 : width - spacing;
}

FittedText FitText(const WString& text, int32_t glyph, int32_t maxWidth) {
    if (TextWidth(text, glyph, 0) <= maxWidth) return {text, glyph};
    const int32_t narrowest = std::max(1, (glyph * kSqueezePercent + 99) / 100);
    for (int32_t cell = glyph - 1; cell >= narrowest; --cell) {
        if (TextWidth(text, cell, 0) <= maxWidth) return {text, cell};
    }
    // Still too wide: keep the front of the text and mark the cut.
    const std::u16string_view view = text.View();
    for (size_t keep = view.size(); keep-- > 0;) {
        WString cut(view.substr(0, keep));
        cut.Append(WString(u"…"));
        if (TextWidth(cut, narrowest, 0) <= maxWidth) return {cut, narrowest};
    }
    return {WString(), narrowest};
}

std::vector<WString> WrapText(const WString& text, int32_t glyph, int32_t maxWidth) {
    std::vector<WString> lines;
    std::u16string line;
    for (char16_t unit : text.View()) {
        if (unit == u'\n') {
            lines.emplace_back(line);
            line.clear();
            continue;
        }
        line.push_back(unit);
        if (line.size() > 1 && TextWidth(WString(line), glyph, 0) > maxWidth) {
            line.pop_back();
            lines.emplace_back(line);
            line.assign(1, unit);
        }
    }
    if (!line.empty() || lines.empty()) lines.emplace_back(line);
    return lines;
}

void PanelDrawing::Panel(const Rect& rect) { panels.emplace_back(rect, palette::kPanelBlue); }

void PanelDrawing::Frame(const Rect& r, Color color, int32_t t) {
    panels.emplace_back(Rect{r.left, r.top, r.right, r.top + t}, color);
    panels.emplace_back(Rect{r.left, r.bottom - t, r.right, r.bottom}, color);
    panels.emplace_back(Rect{r.left, r.top + t, r.left + t, r.bottom - t}, color);
    panels.emplace_back(Rect{r.right - t, r.top + t, r.right, r.bottom - t}, color);
}

int32_t PanelDrawing::Text(Point at, const WString& text, Color color, int32_t glyph,
                           int32_t maxWidth, int32_t align) {
    if (text.Empty()) return 0;
    FittedText fitted = FitText(text, glyph, maxWidth);
    const int32_t width = TextWidth(fitted.text, fitted.cellWidth, 0);
    texts.push_back({at, std::move(fitted.text), color, fitted.cellWidth, glyph, 0, align});
    return width;
}

Rect PanelDrawing::Bounds() const {
    if (panels.empty()) return {};
    Rect r = panels.front().first;
    for (const auto& [p, color] : panels) {
        r.left = std::min(r.left, p.left);
        r.top = std::min(r.top, p.top);
        r.right = std::max(r.right, p.right);
        r.bottom = std::max(r.bottom, p.bottom);
    }
    return r;
}

void DrawPanels(const PanelDrawing& drawing) {
    GraphicsDevice& device = Graphics();
    TextRenderer& renderer = device.Text();
    const TextStyle saved = renderer.Style();
    for (const auto& [rect, color] : drawing.panels) {
        device.SetColor(color);
        device.DrawRect(rect, Pictures().panel, 0);
    }
    for (const PanelPicture& picture : drawing.pictures) {
        if (picture.texture == nullptr) continue;
        device.SetColor(picture.color);
        device.DrawRect(picture.rect, *picture.texture, 0);
    }
    for (const PanelText& t : drawing.texts) {
        renderer.SetTextStyle(t.cellWidth, t.cellHeight, t.spacing, 0);
        renderer.SetTextAlign(t.align, kAlignStart);
        device.SetColor(t.color);
        renderer.DrawText(t.at, t.text);
    }
    // Back to the state every screen draw starts from.
    renderer.SetTextStyle(saved.cellWidth, saved.cellHeight, saved.spacing, saved.lineGap);
    renderer.SetTextAlign(kAlignCentre, kAlignCentre);
    device.SetColor(palette::kWhite);
}

Color CompareColor(int32_t current, int32_t preview) {
    if (preview > current) return panelcolor::kRaised;
    if (preview < current) return panelcolor::kLowered;
    return panelcolor::kEqual;
}
