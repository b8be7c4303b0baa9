// The recipe of a product: fee and ingredients with their shares.
#include "content/ContentDatabase.h"
#include "flow/Palette.h"
#include "flow/panels/PanelParts.h"
#include "flow/panels/Panels.h"

namespace {

constexpr int32_t kWidth = 300;
constexpr int32_t kGlyph = 14;
constexpr int32_t kPitch = 17;

}  // namespace

PanelDrawing MakeRecipeDetail(int32_t product, Point origin) {
    PanelDrawing d;
    static const RecipeData kNone;
    const RecipeData& recipe =
        product >= 0 && product < kItemCapacity ? RecipeTable()[size_t(product)] : kNone;
    // Two columns of ingredients, so the longest recipe stays short.
    const int32_t rows = (int32_t(recipe.ingredients.size()) + 1) / 2;
    const int32_t left = origin.x + 8, inner = kWidth - 16;
    d.Panel({origin.x, origin.y, origin.x + kWidth, origin.y + 4 + 22 + 2 * kPitch + rows * kPitch + 6});

    int32_t y = origin.y + 4;
    d.Text({left, y}, ItemName(product), palette::kWhite, 18, inner);
    y += 22;
    WString fee;
    fee.Format("料金 %dG", recipe.fee);
    d.Text({left, y}, fee, palette::kWhite, kGlyph, inner);
    y += kPitch;
    d.Text({left, y}, WString("材料"), panelcolor::kHeading, kGlyph, inner);
    y += kPitch;
    for (size_t i = 0; i < recipe.ingredients.size(); ++i) {
        const WeightedId& part = recipe.ingredients[i];
        WString text;
        text.Format("%S(%d)", ItemName(part.id), part.weight);
        const int32_t column = int32_t(i % 2);
        d.Text({left + 8 + column * (inner / 2), y + int32_t(i / 2) * kPitch}, text, palette::kWhite,
               kGlyph, inner / 2 - 12);
    }
    return d;
}

void DrawRecipeDetail(int32_t product, Point origin) { DrawPanels(MakeRecipeDetail(product, origin)); }
