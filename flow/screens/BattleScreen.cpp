// The battle: the rules run the gauges and the actions; this screen asks
// each ready member for a command and a target, and closes the battle with
// the result panel (back to exploring) or the way home (defeat).
#include "content/ContentDatabase.h"
#include "content/MusicFiles.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/sound/SoundPlayer.h"
#include "flow/ListSources.h"
#include "flow/MusicChange.h"
#include "flow/Palette.h"
#include "flow/SharedPictures.h"
#include "flow/SoundRequest.h"
#include "flow/battle/BattleScene.h"
#include "flow/panels/Panels.h"
#include "flow/screens/BattleMenu.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/BattleEffects.h"
#include "rules/BattleTick.h"
#include "rules/CommandInput.h"
#include "rules/Expedition.h"
#include "rules/Quests.h"
#include "rules/Victory.h"

namespace {

constexpr int32_t kCommandWidget = 11;
// Frames of the end fade during which the result cannot be confirmed.
constexpr int32_t kEndFrames = 32;
// How dark the lost battle ends (alpha of black over the scene).
constexpr int32_t kDefeatShade = 150;

// The effects of this frame's actions and any change of music.
void PlayBattleRequests(BattleState& battle) {
    for (const WString& name : battle.soundRequests) {
        WString path;
        path.Format("sound\\%S", name);
        Sound().Play(path);
    }
    battle.soundRequests.clear();
    if (!battle.musicRequest.Empty()) {
        PlayMusicFile(battle.musicRequest);
        battle.musicRequest = WString();
    }
}

// Frames the target mark has been shown, for its blinking.
int32_t& TargetMarkFrames() {
    static int32_t frames = 0;
    return frames;
}

// After a member's choice: the next ready member, or the battle runs on.
void NextMember(const BattleState& battle) {
    GameFlow& flow = Flow();
    flow.subState = battle.readyPosition;
    if (battle.subState == BattleSubState::kReady) {
        flow.menuState = BattleMenu::kNextMember;
        return;
    }
    flow.menuState = BattleMenu::kRunning;
    // An active list would move and click while the gauges run.
    SetWidgetState(kCommandWidget, WidgetState::kHidden);
}

// False when the frame ends here: a member became ready or the battle ended.
bool UpdateRunning() {
    RequestSound(WString());
    BattleState& battle = GameBattle();
    UpdateBattle(battle, GameParty());
    PlayBattleRequests(battle);
    GameFlow& flow = Flow();
    switch (battle.subState) {
        case BattleSubState::kReady:
            flow.menuState = BattleMenu::kNextMember;
            flow.subState = 0;
            return false;
        case BattleSubState::kLost:
            flow.menuState = BattleMenu::kDefeat;
            flow.screenCounter.Start(kEndFrames, StepCounter::kOnce);
            return false;
        case BattleSubState::kWon:
            flow.menuState = BattleMenu::kVictory;
            flow.screenCounter.Start(kEndFrames, StepCounter::kOnce);
            return false;
        default:
            return true;
    }
}

void UpdateNextMember() {
    RequestSound(WString());
    BattleState& battle = GameBattle();
    if (!OpenCommandMenu(battle, GameParty())) {
        // Nobody is left to ask: let the gauges run again.
        if (battle.subState == BattleSubState::kReady) battle.subState = BattleSubState::kRunning;
        NextMember(battle);
        return;
    }
    FillList(kCommandWidget, ListSource::kCommands, false);
    if (!Widget(kCommandWidget).HasEntries()) {
        // Nothing to choose from: the member lets the turn pass rather
        // than hold the battle forever.
        SkipCommand(battle);
        NextMember(battle);
        return;
    }
    SetWidgetState(kCommandWidget, WidgetState::kActive);
    Flow().menuState = BattleMenu::kCommand;
}

// The command menu has no way back: every ready member acts.
void UpdateCommandChoice() {
    if (!Pressed(kDecide)) return;
    SoundDecide();
    BattleState& battle = GameBattle();
    if (!ChooseCommand(battle, Widget(kCommandWidget).SecondAtCursor())) return;
    if (battle.subState == BattleSubState::kTarget) {
        SetWidgetState(kCommandWidget, WidgetState::kHidden);
        TargetMarkFrames() = 0;
        Flow().selection = battle.cursor;
        Flow().menuState = BattleMenu::kTarget;
        return;
    }
    NextMember(battle);
}

// Every button is read in this one frame: side, then cursor, then the choice.
void UpdateTargetChoice() {
    BattleState& battle = GameBattle();
    GameFlow& flow = Flow();
    ++TargetMarkFrames();
    if (Pressed(kUp) || Pressed(kDown)) {
        SoundCursor();
        SwitchTargetSide(battle);
    }
    if (Pressed(kRight)) {
        SoundCursor();
        MoveTargetCursor(battle, 1);
    }
    if (Pressed(kLeft)) {
        SoundCursor();
        MoveTargetCursor(battle, -1);
    }
    flow.selection = battle.cursor;
    if (Pressed(kDecide)) {
        SoundDecide();
        ConfirmTarget(battle);
        if (battle.subState == BattleSubState::kTarget) return;  // no one to aim at
        flow.selection2 = battle.lastTarget;
        NextMember(battle);
    } else if (Pressed(kCancel)) {
        SoundCancel();
        CancelTarget(battle);
        flow.menuState = BattleMenu::kNextMember;
    }
}

void UpdateDefeat() {
    GameFlow& flow = Flow();
    if (!Pressed(kDecide) || flow.screenCounter.IsRunning()) return;
    SoundDecide();
    ConfirmDefeat(GameBattle(), GameParty());
    for (int32_t i = 0; i < 4; ++i) PopMode();
    PushMode(GameMode::kTown);
    SetWidgetState(kTownMenuWidget, WidgetState::kActive);
    flow.menuState = 0;
    PlayMusicFile(WString(kTownMusic));
}

void UpdateVictory() {
    GameFlow& flow = Flow();
    if (!Pressed(kDecide) || flow.screenCounter.IsRunning()) return;
    BattleState& battle = GameBattle();
    PartyState& party = GameParty();
    ExpeditionState& expedition = GameExpedition();
    // Before the levels are applied: the clear level is the one fought at.
    if (battle.quest >= 0) DefeatQuest(expedition, party, battle.quest);
    ConfirmVictory(battle, party);
    SoundDecide();
    PopMode();
    ReplaceTopMode(GameMode::kExploration);
    flow.menuState = 0;
    expedition.message = WString();
}

void DrawCommandMenu() {
    DrawWidget(kCommandWidget, Box(10, 10, 380, 160), 14);
    const ListWidget& menu = Widget(kCommandWidget);
    if (!menu.HasEntries()) return;
    // An item command names the carried item's action, with its uses.
    DrawSkillDetail(menu.SecondAtCursor(), {420, 10});
}

// Defeat: the scene darkens over the end frames, the sign that the battle
// is over and decide leads home.
void DrawDefeatShade() {
    const StepCounter& counter = Flow().screenCounter;
    const int32_t shade = counter.IsRunning() ? counter.Value() * kDefeatShade / kEndFrames : kDefeatShade;
    Graphics().SetColor({0, 0, 0, static_cast<uint8_t>(shade)});
    Graphics().DrawRect(kScreenRect, Pictures().panel, 0);
    Graphics().SetColor(palette::kWhite);
}

}  // namespace

bool UpdateBattleScreen() {
    StepBattleAnimations(GameBattle());
    switch (Flow().menuState) {
        case BattleMenu::kRunning: return UpdateRunning();
        case BattleMenu::kNextMember: UpdateNextMember(); break;
        case BattleMenu::kCommand: UpdateCommandChoice(); break;
        case BattleMenu::kTarget: UpdateTargetChoice(); break;
        case BattleMenu::kDefeat: UpdateDefeat(); break;
        case BattleMenu::kVictory: UpdateVictory(); break;
        default: break;
    }
    return true;
}

void DrawBattleScreen() {
    const BattleState& battle = GameBattle();
    DrawBackground(AreaById(GameExpedition().area).background);
    const int32_t highlighted = HighlightedUnit(battle);
    DrawBattle(battle, highlighted);
    switch (Flow().menuState) {
        case BattleMenu::kCommand: DrawCommandMenu(); break;
        case BattleMenu::kTarget: DrawTargetMark(battle, highlighted, TargetMarkFrames()); break;
        case BattleMenu::kDefeat: DrawDefeatShade(); break;
        case BattleMenu::kVictory: DrawVictoryResult(); break;
        default: break;
    }
}
