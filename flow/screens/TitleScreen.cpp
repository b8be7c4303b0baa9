// The title: "はじめから" starts a new game, "つづきから" opens the slot list.
#include "content/MusicFiles.h"
#include "engine/notice/Missing.h"
#include "flow/ListSources.h"
#include "flow/MusicChange.h"
#include "flow/Palette.h"
#include "flow/SaveSlots.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"

namespace {

constexpr int32_t kTitleMenu = 0;
constexpr int32_t kTownMenu = 1;
constexpr int32_t kSlotList = 23;

void EnterTown() {
    PushMode(GameMode::kTown);
    SetWidgetState(kTownMenu, WidgetState::kActive);
    PlayMusicFile(WString(kTownMusic));
    Flow().menuState = 0;
}

void UpdateTitleMenu() {
    if (!Pressed(kDecide)) return;
    const int32_t entry = Widget(kTitleMenu).EntryAtCursor();
    if (entry == 0) {
        SoundDecide();
        NewGame();
        SetWidgetState(kTitleMenu, WidgetState::kHidden);
        EnterTown();
    } else if (entry == 1) {
        SoundDecide();
        SetWidgetState(kTitleMenu, WidgetState::kHidden);
        FillList(kSlotList, 40, false);
        Widget(kSlotList).Select(0);
        SetWidgetState(kSlotList, WidgetState::kActive);
        Flow().menuState = 1;
    }
}

void UpdateSlotChoice() {
    if (Pressed(kDecide)) {
        const int32_t slot = Widget(kSlotList).EntryAtCursor();
        if (slot < 0 || slot >= kSlotCount || !SlotSummaries()[size_t(slot)].inUse) return;
        SoundDecide();
        if (!LoadGame(slot)) {
            // The file went bad since the list was read: show it as such.
            FillList(kSlotList, 40, true);
            return;
        }
        ReapplyLoadedLevel();
        SetWidgetState(kSlotList, WidgetState::kHidden);
        EnterTown();
    } else if (Pressed(kCancel)) {
        SoundCancel();
        Flow().menuState = 0;
        SetWidgetState(kSlotList, WidgetState::kHidden);
        SetWidgetState(kTitleMenu, WidgetState::kActive);
    }
}

}  // namespace

void UpdateTitle() {
    if (Flow().menuState == 0) {
        UpdateTitleMenu();
    } else {
        UpdateSlotChoice();
    }
}

void DrawTitle() {
    DrawBackground(0);
    if (Flow().menuState == 0) {
        SetGlyphs(64, 4);
        DrawTextAt({320, 140}, WString("ハルモア２"), palette::kRed, kAlignCentre, kAlignCentre);
        SetGlyphs(48, 4);
        Widget(kTitleMenu).Draw(Box(320 - 100, 360 - 60, 200, 120));
        // What the game is doing without (no sound, no font for Japanese, a
        // missing picture), so the player does not wonder.
        const std::vector<WString> notices = MissingNotices();
        SetGlyphs(14, 0);
        for (size_t n = 0; n < notices.size() && n < 3; ++n) {
            DrawTextAt({320, 478 - 16 * int32_t(notices.size() - n)}, notices[n], palette::kWhite,
                       kAlignCentre, kAlignCentre);
        }
    } else {
        DrawWidget(kSlotList, Box(10, 10, 610, 460), 18);
    }
}
