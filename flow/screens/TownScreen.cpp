// The town: the facility menu, and each facility by MenuState.
#include "flow/ListSources.h"
#include "flow/Palette.h"
#include "flow/SaveSlots.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/Camp.h"


namespace {

constexpr int32_t kTownMenu = kTownMenuWidget;

// Leaves the menu for a facility whose list is `widget` filled from `source`.
void OpenFacility(int32_t state, int32_t widget, int32_t source) {
    SoundDecide();
    Flow().menuState = state;
    SetWidgetState(kTownMenu, WidgetState::kHidden);
    FillList(widget, source, false);
    SetWidgetState(widget, WidgetState::kActive);
}

void UpdateTownMenu() {
    if (!Pressed(kDecide)) return;  // the town has no way back to the title
    GameFlow& flow = Flow();
    switch (Widget(kTownMenu).EntryAtCursor()) {
        case 0:  // "外へ出る"
            SoundDecide();
            PushMode(GameMode::kAreaChoice);
            SetWidgetState(kTownMenu, WidgetState::kHidden);
            FillList(10, 0, false);
            SetWidgetState(10, WidgetState::kActive);
            flow.menuState = 0;
            break;
        case 1: {  // "キャンプ"
            SoundDecide();
            PushMode(GameMode::kCamp);
            SetWidgetState(kTownMenu, WidgetState::kHidden);
            Widget(2).Select(0);
            SetWidgetState(2, WidgetState::kActive);
            flow.menuState = -1;
            flow.subState = 0;
            flow.menuEnabled = CampMenuEnabled(GameParty());
            break;
        }
        case 2:  // "ショップ"
            OpenFacility(TownState::kShop, 14, 7);
            break;
        case 3:  // "質屋"
            flow.selection = 20;
            OpenFacility(TownState::kPawnShop, 15, 20);
            break;
        case 4:  // "合成"
            flow.subState = 0;
            flow.tab = 0;
            OpenFacility(TownState::kSynthesis, 19, 41);
            break;
        case 5:  // "ギルド"
            OpenFacility(TownState::kGuild, 16, 27);
            break;
        case 6:  // "酒場"
            OpenFacility(TownState::kTavern, 17, 8);
            break;
        case 7:  // "セーブ"
            flow.saveMessage = WString();
            OpenFacility(TownState::kSave, 23, 40);
            Widget(23).Select(LastUsedSlot());
            break;
        default:
            break;
    }
}

}  // namespace

void UpdateTown() {
    switch (Flow().menuState) {
        case TownState::kMenu: UpdateTownMenu(); break;
        case TownState::kShop: UpdateShop(); break;
        case TownState::kPawnShop: UpdatePawnShop(); break;
        case TownState::kGuild: UpdateGuild(); break;
        case TownState::kTavern: UpdateTavern(); break;
        case TownState::kSave: UpdateSaveScreen(); break;
        case TownState::kSynthesis: UpdateSynthesis(); break;
        default: break;
    }
}

void DrawTown() {
    DrawBackground(1);
    switch (Flow().menuState) {
        case TownState::kMenu:
            SetGlyphs(32, 4);
            Widget(kTownMenu).Draw(Box(20, 210, 600, 250));
            break;
        case TownState::kShop: DrawShop(); break;
        case TownState::kPawnShop: DrawPawnShop(); break;
        case TownState::kGuild: DrawGuild(); break;
        case TownState::kTavern: DrawTavern(); break;
        case TownState::kSave: DrawSaveScreen(); break;
        case TownState::kSynthesis: DrawSynthesis(); break;
        default: break;
    }
}

// Leaving a facility by cancel: its list hides and the menu returns.
void LeaveFacility(int32_t widget) {
    SoundCancel();
    Flow().menuState = TownState::kMenu;
    SetWidgetState(widget, WidgetState::kHidden);
    SetWidgetState(kTownMenu, WidgetState::kActive);
}

void DrawFacilityHeader(const WString& name, int32_t left) {
    const Rect panel = Box(left, 10, 200, 50);
    DrawPanel(panel);
    const int32_t centre = left + 100;
    SetGlyphs(18, 0);
    DrawTextAt({centre, 22}, name, palette::kWhite, kAlignCentre, kAlignCentre);
    WString gold;
    gold.Format("%d G", GameParty().gold);
    DrawTextAt({centre, 46}, gold, palette::kWhite, kAlignCentre, kAlignCentre);
}
