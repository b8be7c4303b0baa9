// Exploring: up takes a step deeper, down goes home to the town.
#include "content/ContentDatabase.h"
#include "content/MusicFiles.h"
#include "flow/MusicChange.h"
#include "flow/Palette.h"
#include "flow/SoundRequest.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/ExploreStep.h"

void UpdateExploration() {
    GameFlow& flow = Flow();
    if (Pressed(kUp)) {
        // A step may start a battle, which places its enemies by their
        // pictures: what the idle time has not loaded yet loads now.
        LoadQueuedContentPictures();
        SoundCursor();
        flow.menuState = 1;
        BattleState& battle = GameBattle();
        const StepResult step = ExploreStep(GameExpedition(), GameParty(), battle);
        if (!step.sound.Empty()) RequestSound(step.sound);
        if (step.kind == StepKind::kQuest || step.kind == StepKind::kEncounter) {
            PushMode(GameMode::kBattle);
            flow.menuState = 0;
            flow.subState = 0;
            PlayMusicFile(battle.musicRequest);
            battle.musicRequest = WString();
        }
    } else if (Pressed(kDown)) {
        SoundCursor();
        flow.menuState = 0;
        PopMode();
        PopMode();
        PopMode();
        PushMode(GameMode::kTown);
        SetWidgetState(kTownMenuWidget, WidgetState::kActive);
        PlayMusicFile(WString(kTownMusic));
    }
}

void DrawExploration() {
    const ExpeditionState& expedition = GameExpedition();
    DrawBackground(AreaById(expedition.area).background);

    DrawPanel(Box(400, 10, 230, 100));
    SetGlyphs(24, 4);
    DrawTextAt({515, 30}, AreaById(expedition.area).name, palette::kWhite, kAlignCentre,
               kAlignCentre);
    WString depth;
    if (expedition.depth >= kDeepestDepth) {
        depth = WString("探索Lv 最深部");
    } else {
        depth.Format("探索Lv %3d", expedition.depth);
    }
    DrawTextAt({515, 60}, depth, palette::kWhite, kAlignCentre, kAlignCentre);
    WString gold;
    gold.Format("%d G", GameParty().gold);
    DrawTextAt({515, 90}, gold, palette::kWhite, kAlignCentre, kAlignCentre);

    DrawPanel(Box(400, 350, 230, 120));
    const Color stepColour = Flow().menuState == 1 ? palette::kRed : palette::kWhite;
    DrawTextAt({515, 390}, WString("↑ 探索"), stepColour, kAlignCentre, kAlignCentre);
    DrawTextAt({515, 430}, WString("↓ 帰還"), palette::kWhite, kAlignCentre, kAlignCentre);

    if (!expedition.message.Empty()) {
        DrawPanel(Box(10, 350, 380, 120));
        SetGlyphs(20, 0);
        DrawTextAt({200, 410}, expedition.message, palette::kWhite, kAlignCentre, kAlignCentre);
    }
}
