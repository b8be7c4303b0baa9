#pragma once
// What a panel draws, laid out first and drawn after: tinted panel
// rectangles, pictures and texts with their own glyph size and colour. A
// layout runs without a device (tests read its texts and colours); text
// widths come from the text renderer's advance ratios, so with the game's
// font loaded they are the widths the screen shows.
#include <cstdint>
#include <vector>

#include "engine/graphics/Geometry.h"
#include "engine/text/WString.h"

class Texture;

struct PanelText {
    Point at;  // top left, or the right end of the line for kAlignEnd
    WString text;
    Color color;
    int32_t cellWidth = 16;  // narrower than the height when squeezed to fit
    int32_t cellHeight = 16;
    int32_t spacing = 0;
    int32_t align = kAlignStart;  // kAlignStart or kAlignEnd (horizontal)
};

struct PanelPicture {
    Rect rect;
    const Texture* texture = nullptr;
    Color color;
};

struct PanelDrawing {
    std::vector<std::pair<Rect, Color>> panels;  // drawn first, in order
    std::vector<PanelPicture> pictures;          // then pictures
    std::vector<PanelText> texts;                // then texts

    void Panel(const Rect& rect);
    void Frame(const Rect& rect, Color color, int32_t thickness);
    // Adds a one-line text at `glyph` pixels; when it is wider than
    // `maxWidth` its cells are squeezed (down to 60 % of their width) and,
    // if that is not enough, its end is cut and marked "…". Returns the
    // width the text takes.
    int32_t Text(Point at, const WString& text, Color color, int32_t glyph, int32_t maxWidth,
                 int32_t align = kAlignStart);
    // The rectangle that covers every panel (empty when there is none).
    Rect Bounds() const;
};

// Draws the layout: panels, pictures, then texts with a shadow. Leaves the
// device colour white and the text style as the screens expect it.
void DrawPanels(const PanelDrawing& drawing);

// Ink width of a one-line text in the given cells (no spacing after the
// last unit).
int32_t TextWidth(const WString& text, int32_t cellWidth, int32_t spacing);
// Fits a text into `maxWidth`: the cell width (squeezed as above) and the
// text itself, cut with "…" when squeezing alone does not do.
struct FittedText {
    WString text;
    int32_t cellWidth = 0;
};
FittedText FitText(const WString& text, int32_t glyph, int32_t maxWidth);
// Breaks a text into lines no wider than `maxWidth` at `glyph` pixels:
// at line feeds, and anywhere else where the width runs out (Japanese
// has no spaces to break at). A unit wider than the line stands alone.
std::vector<WString> WrapText(const WString& text, int32_t glyph, int32_t maxWidth);

// Colours of the panels beyond the shared palette.
namespace panelcolor {
inline constexpr Color kEqual{255, 255, 255, 255};
inline constexpr Color kRaised{255, 255, 0, 255};    // yellow: the candidate gives more
inline constexpr Color kLowered{255, 110, 110, 255};  // light red: the candidate takes away
inline constexpr Color kLost{130, 130, 150, 255};     // dimmed: a skill the candidate loses
inline constexpr Color kCursor{255, 0, 0, 255};       // the row under the cursor, as in lists
inline constexpr Color kHeading{170, 220, 255, 255};  // section titles
inline constexpr Color kMuted{200, 200, 200, 255};    // labels beside values
}  // namespace panelcolor

// The colour of a previewed value against the current one.
Color CompareColor(int32_t current, int32_t preview);
