// The town's "合成": choose a carried recipe, fill each ingredient slot with
// a material from the inventory, confirm the product and pay the fee.
#include "content/ContentDatabase.h"
#include "flow/ListSources.h"
#include "flow/panels/Panels.h"
#include "flow/Palette.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/Synthesis.h"

namespace SynthesisStep {
inline constexpr int32_t kRecipes = 0;
inline constexpr int32_t kSlots = 1;
inline constexpr int32_t kMaterials = 2;
inline constexpr int32_t kConfirm = 3;
}  // namespace SynthesisStep

namespace {

constexpr int32_t kRecipeList = 19;
constexpr int32_t kSlotList = 20;
constexpr int32_t kMaterialList = 21;
const char* const kTabNames[kSynthesisTabs] = {"アイテム", "武器", "アクセサリ", "素材"};

// The recipe rows carry the packed recipe record; the product is its index.
int32_t ChosenProduct() {
    const int32_t record = Widget(kRecipeList).SecondAtCursor();
    return record < 0 ? -1 : GoodsIndex(PackedGoodsId(record));
}

void ShowConfirmation() {
    GameFlow& flow = Flow();
    flow.selection2 = SynthesisProduct(flow.synthesis);
    flow.subState = SynthesisStep::kConfirm;
    SetWidgetState(kSlotList, WidgetState::kNoHighlight);
}

void UpdateRecipes() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        const int32_t product = ChosenProduct();
        if (product < 0 || !BeginSynthesis(flow.synthesis, GameParty(), product)) return;
        SoundDecide();
        FillList(kSlotList, ListSource::kIngredients, false);
        SetWidgetState(kRecipeList, WidgetState::kHidden);
        SetWidgetState(kSlotList, WidgetState::kActive);
        flow.subState = SynthesisStep::kSlots;
        // A recipe without ingredients has nothing to fill: straight to "OK?".
        if (AllSlotsFilled(flow.synthesis)) ShowConfirmation();
    } else if (Pressed(kCancel)) {
        LeaveFacility(kRecipeList);
    } else if (Pressed(kLeft) || Pressed(kRight)) {
        SoundCursor();
        const int32_t step = Pressed(kLeft) ? -1 : 1;
        flow.tab = (flow.tab + step + kSynthesisTabs) % kSynthesisTabs;
        FillList(kRecipeList, ListSource::kRecipesFirst + flow.tab, false);
    }
}

void UpdateSlots() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        const int32_t slot = Widget(kSlotList).EntryAtCursor();
        if (slot < 0) return;
        SoundDecide();
        flow.selection = SlotMaterial(flow.synthesis, slot);
        SetWidgetState(kSlotList, WidgetState::kShown);
        FillList(kMaterialList, ListSource::kMaterials, false);
        SetWidgetState(kMaterialList, WidgetState::kActive);
        flow.subState = SynthesisStep::kMaterials;
    } else if (Pressed(kCancel)) {
        SoundCancel();
        flow.subState = SynthesisStep::kRecipes;
        SetWidgetState(kSlotList, WidgetState::kHidden);
        SetWidgetState(kRecipeList, WidgetState::kActive);
        CancelSynthesis(flow.synthesis, GameParty());
    }
}

void UpdateMaterials() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        const ListWidget& materials = Widget(kMaterialList);
        if (!materials.HasEntries()) return;
        SoundDecide();
        PlaceMaterial(flow.synthesis, GameParty(), Widget(kSlotList).Cursor(),
                      materials.EntryAtCursor());
        SetWidgetState(kMaterialList, WidgetState::kHidden);
        if (AllSlotsFilled(flow.synthesis)) {
            ShowConfirmation();
        } else {
            flow.subState = SynthesisStep::kSlots;
            SetWidgetState(kSlotList, WidgetState::kActive);
        }
    } else if (Pressed(kCancel)) {
        SoundCancel();
        flow.subState = SynthesisStep::kSlots;
        SetWidgetState(kMaterialList, WidgetState::kHidden);
        SetWidgetState(kSlotList, WidgetState::kActive);
    }
}

void UpdateConfirmation() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        SoundDecide();
        if (!ConfirmSynthesis(flow.synthesis, GameParty())) return;
        SetWidgetState(kSlotList, WidgetState::kHidden);
        SetWidgetState(kRecipeList, WidgetState::kActive);
        flow.subState = SynthesisStep::kRecipes;
    } else if (Pressed(kCancel)) {
        SoundCancel();
        flow.subState = SynthesisStep::kSlots;
        SetWidgetState(kSlotList, WidgetState::kActive);
    }
}

}  // namespace

void UpdateSynthesis() {
    switch (Flow().subState) {
        case SynthesisStep::kRecipes: UpdateRecipes(); break;
        case SynthesisStep::kSlots: UpdateSlots(); break;
        case SynthesisStep::kMaterials: UpdateMaterials(); break;
        case SynthesisStep::kConfirm: UpdateConfirmation(); break;
        default: break;
    }
}

void DrawSynthesis() {
    const GameFlow& flow = Flow();
    DrawFacilityHeader(WString("合成屋"));
    const Rect recipes = Box(10, 100, 240, 360);
    const Rect slots = Box(10, 100, 360, 200);
    if (flow.tab >= 0 && flow.tab < kSynthesisTabs) DrawTabName(recipes, WString(kTabNames[flow.tab]));
    switch (flow.subState) {
        case SynthesisStep::kRecipes:
            DrawWidget(kRecipeList, recipes, 18);
            if (Widget(kRecipeList).EntryAtCursor() >= 0)
                DrawGoodsDetail(Widget(kRecipeList).SecondAtCursor(), {270, 100});
            break;
        case SynthesisStep::kSlots:
            DrawWidget(kSlotList, slots, 18);
            break;
        case SynthesisStep::kMaterials:
            DrawWidget(kSlotList, slots, 18);
            DrawWidget(kMaterialList, Box(390, 100, 230, 360), 18);
            if (Widget(kMaterialList).EntryAtCursor() >= 0)
                DrawGoodsDetail(Widget(kMaterialList).SecondAtCursor(), {10, 310});
            break;
        case SynthesisStep::kConfirm:
            DrawWidget(kSlotList, slots, 18);
            DrawGoodsDetail(flow.selection2, {10, 310});
            SetGlyphs(24, 0);
            DrawTextAt({320, 274}, WString("OK?"), palette::kWhite, kAlignCentre, kAlignCentre);
            break;
        default:
            break;
    }
}
