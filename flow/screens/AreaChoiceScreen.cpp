// Leaving town: choose an area whose map is carried, then a start depth.
#include "content/ContentDatabase.h"
#include "flow/ListSources.h"
#include "flow/MusicChange.h"
#include "flow/Palette.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/Expedition.h"

namespace {

constexpr int32_t kAreas = 10;
constexpr int32_t kDepths = 22;

void UpdateAreaList() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        SoundDecide();
        if (!Widget(kAreas).HasEntries()) return;
        GameExpedition().area = Widget(kAreas).SecondAtCursor();
        FillList(kDepths, 3, false);
        SetWidgetState(kAreas, WidgetState::kShown);
        SetWidgetState(kDepths, WidgetState::kActive);
        flow.menuState = 1;
    } else if (Pressed(kCancel)) {
        SoundCancel();
        PopMode();
        SetWidgetState(kAreas, WidgetState::kHidden);
        SetWidgetState(kTownMenuWidget, WidgetState::kActive);
        flow.menuState = 0;
    }
}

void UpdateDepthList() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        SoundDecide();
        ExpeditionState& expedition = GameExpedition();
        const int32_t depth = Widget(kDepths).SecondAtCursor();
        PushMode(GameMode::kExploration);
        PlayMusicFile(AreaById(expedition.area).fieldMusic);
        Depart(expedition, GameParty(), GameBattle(), expedition.area, depth < 0 ? 0 : depth);
        flow.menuState = 0;
        SetWidgetState(kAreas, WidgetState::kHidden);
        SetWidgetState(kDepths, WidgetState::kHidden);
    } else if (Pressed(kCancel)) {
        SoundCancel();
        SetWidgetState(kDepths, WidgetState::kHidden);
        SetWidgetState(kAreas, WidgetState::kActive);
        flow.menuState = 0;
    }
}

// How many of the highlighted area's recipes, notices and cards are owned.
void DrawCollectionPanel(int32_t area) {
    const Rect panel = Box(330, 280, 280, 110);
    DrawPanel(panel);
    SetGlyphs(18, 0);
    DrawTextAt({470, 296}, WString("～ 探索アイテム ～"), palette::kWhite, kAlignCentre,
               kAlignCentre);
    if (area < 0) return;
    const AreaCollection counts = CountAreaCollection(GameParty(), area);
    const struct {
        const char* label;
        Collected value;
    } rows[] = {{"レシピ", counts.recipes}, {"賞金首", counts.notices}, {"名刺", counts.cards}};
    int32_t y = 316;
    for (const auto& row : rows) {
        WString owned, total;
        owned.Format("%3d", row.value.owned);
        total.Format("%3d", row.value.total);
        DrawTextAt({350, y}, WString(row.label), palette::kWhite);
        DrawTextAt({530, y}, owned, palette::kWhite, kAlignEnd);
        DrawTextAt({538, y}, WString("/"), palette::kWhite);
        DrawTextAt({590, y}, total, palette::kWhite, kAlignEnd);
        y += 22;
    }
}

}  // namespace

void UpdateAreaChoice() {
    if (Flow().menuState == 0) {
        UpdateAreaList();
    } else {
        UpdateDepthList();
    }
}

void DrawAreaChoice() {
    DrawBackground(1);
    DrawWidget(kAreas, Box(20, 20, 280, 240), 18);
    if (Flow().menuState == 1) DrawWidget(kDepths, Box(330, 20, 280, 240), 18);
    DrawCollectionPanel(Widget(kAreas).HasEntries() ? Widget(kAreas).SecondAtCursor() : -1);
}
