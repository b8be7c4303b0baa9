// The panels drawn on the headless device: texts land where the layout
// puts them, in their colours, over the panel and nowhere else.
#include <gtest/gtest.h>

#include <functional>

#include "PanelScenes.h"
#include "flow/Palette.h"

namespace paneltest {
namespace {

constexpr Color kClear{40, 60, 40, 255};

class PanelPixels : public PanelPictureTest {
protected:
    // Pixels inside `r` of the last capture that satisfy `test`.
    int32_t Count(const Rect& r, const std::function<bool(Color)>& test) const {
        int32_t n = 0;
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x) n += test(At(x, y)) ? 1 : 0;
        return n;
    }
    static bool Whitish(Color c) { return c.r > 220 && c.g > 220 && c.b > 220; }
    static bool Light(Color c) { return c.r > 170 && c.g > 170 && c.b > 170; }
    static bool Yellowish(Color c) { return c.r > 220 && c.g > 220 && c.b < 90; }
    static bool Pinkish(Color c) { return c.r > 220 && c.g > 80 && c.g < 140 && c.b > 80 && c.b < 140; }
    static bool Plain(Color c) { return c == kClear; }

    const TextBox& Find(const std::vector<TextBox>& boxes, const std::string& text) {
        for (const TextBox& b : boxes)
            if (b.text == text) return b;
        ADD_FAILURE() << text << " not laid out";
        return boxes.front();
    }
};

TEST_F(PanelPixels, RecordsTextsLandInTheirBoxesOnThePanel) {
    StateGuard guard;
    SetUpParty();
    BeginFrame();
    const PanelDrawing d = MakeBattleRecords({100, 100});
    DrawPanels(d);
    Capture();
    const std::vector<TextBox> boxes = TextBoxes(d);
    const TextBox& label = Find(boxes, "戦闘数");
    const TextBox& value = Find(boxes, "    57");
    EXPECT_GT(Count(label.box, Light), 20);  // labels are a lighter grey
    EXPECT_GT(Count(value.box, Whitish), 10);
    // The value is right-aligned: nothing drawn between label and number.
    const Rect gap{label.box.right + 4, label.box.top, value.box.left - 4, label.box.bottom};
    ASSERT_GT(gap.Width(), 10);
    EXPECT_EQ(Count(gap, Light), 0);
    // The panel is tinted blue; around it the frame stays as cleared.
    const Color inside = At(d.Bounds().left + 2, d.Bounds().bottom - 2);
    EXPECT_GT(inside.b, 200);
    EXPECT_LT(inside.r, 60);
    const Rect& panel = d.Bounds();
    EXPECT_EQ(Count({panel.left - 6, panel.top - 6, panel.right + 6, panel.top}, Plain),
              6 * (panel.Width() + 12));
    // DrawPanels hands the device back white for the next screen drawing.
    EXPECT_EQ(Graphics().CornerColors()[0], palette::kWhite);
}

TEST_F(PanelPixels, PreviewColoursReachTheScreen) {
    StateGuard guard;
    SetUpParty();
    Wear(0, 0, Item(586, 70));
    const StatusCursor slot{StatusGroup::kEquipment, 0};
    BeginFrame();
    const PanelDrawing d = MakeStatusSheet(0, &slot, 0, Item(584, 100));
    DrawPanels(d);
    Capture();
    const std::vector<TextBox> boxes = TextBoxes(d);
    EXPECT_GT(Count(Find(boxes, "Cri").box, Yellowish), 10);
    EXPECT_GT(Count(Find(boxes, "Atk").box, Pinkish), 10);
    EXPECT_GT(Count(Find(boxes, "Hp").box, Whitish), 10);
    EXPECT_EQ(Count(Find(boxes, "Hp").box, Yellowish), 0);
    // The portrait fills its square when the game's pictures are there.
    if (!CharacterById(0).face.Empty()) {
        EXPECT_LT(Count({12, 12, 136, 136}, [](Color c) { return c.b > 200 && c.r < 60; }), 124 * 124 / 2);
    }
}

}  // namespace
}  // namespace paneltest
