#include "flow/GameFlow.h"

#include "content/ContentDatabase.h"
#include "content/MusicFiles.h"
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/input/Input.h"
#include "engine/sound/MusicPlayer.h"
#include "flow/Palette.h"
#include "flow/SharedPictures.h"
#include "flow/MusicChange.h"
#include "flow/SoundRequest.h"
#include "flow/WidgetSetUp.h"
#include "flow/screens/Screens.h"
#include "platform/Clock.h"

GameFlow& Flow() {
    static GameFlow flow;
    return flow;
}

ListWidget& Widget(int32_t number) {
    return Flow().widgets[static_cast<size_t>(number)];
}

int32_t CurrentMode() {
    return Flow().modeStack.back();
}

void PushMode(int32_t mode) {
    Flow().modeStack.push_back(mode);
}

void PopMode() {
    std::vector<int32_t>& stack = Flow().modeStack;
    if (stack.size() > 1) stack.pop_back();
}

void ReplaceTopMode(int32_t mode) {
    Flow().modeStack.back() = mode;
}

uint32_t& SpeedSetting() {
    static uint32_t speed = 0;
    return speed;
}

WString WindowTitle() {
    WString title("ハルモア2");
    if (SpeedSetting() == 1) title.Append(WString("( ダーボ )"));
    return title;
}

void UpdateWindowTitle() {
    platform::Window* window = Graphics().MainWindow();
    if (window != nullptr) window->SetTitle(WindowTitle().View());
}

void InitGame() {
    TextRenderer& text = Graphics().Text();
    FontSpec font;
    font.height = 128;
    font.width = 64;
    font.weight = 2400;  // the boldest face there is
    text.CreateFont(font);
    text.SetShadow(1);
    text.SetShadowOffset({2, 2});

    LoadStartPictures();
    SetUpWidgets();
    GameFlow& flow = Flow();
    flow.modeStack.assign(1, GameMode::kTitle);

    BuildContentTables();
    BuildLateContentTables();
    QueueContentPictures();

    WString music;
    music.Format("music\\%s", kTitleMusic);
    PlayMusic(music);
    flow.menuState = 0;
}

void ShutdownFlow() {
    ReleaseContentPictures();
    ReleaseSharedPictures();
}

namespace {

// False when the handler ended the update early.
bool RunHandler(int32_t mode) {
    switch (mode) {
        case GameMode::kTitle: UpdateTitle(); break;
        case GameMode::kTown: UpdateTown(); break;
        case GameMode::kAreaChoice: UpdateAreaChoice(); break;
        case GameMode::kExploration: UpdateExploration(); break;
        case GameMode::kBattle: return UpdateBattleScreen();
        case GameMode::kCamp: UpdateCamp(); break;
        default: break;
    }
    return true;
}

}  // namespace

void UpdateGame() {
    GameFlow& flow = Flow();
    const int32_t mode = CurrentMode();
    ClearSoundRequest();
    // The widgets move first, so a decide in the same frame reads the new row.
    const ButtonStates& pressed = PressedButtons();
    for (ListWidget& widget : flow.widgets) {
        if (widget.HandleInput(pressed)) RequestSound(WString("cur"));
    }
    if (pressed[kSpeed]) {
        platform::SleepMs(100);
        SpeedSetting() = 1 - SpeedSetting();
        UpdateWindowTitle();
    }
    if (!RunHandler(mode)) return;
    flow.screenCounter.Advance(1);
    PlaySoundRequest();
}

void DrawGame() {
    GraphicsDevice& device = Graphics();
    TextRenderer& text = device.Text();
    // Every screen starts from the same style; a push made by this frame's
    // update is already drawn.
    text.SetTextStyle(32, 32, 4, 0);
    text.SetTextAlign(kAlignCentre, kAlignCentre);
    device.SetColor(palette::kWhite);
    switch (CurrentMode()) {
        case GameMode::kTitle: DrawTitle(); break;
        case GameMode::kTown: DrawTown(); break;
        case GameMode::kAreaChoice: DrawAreaChoice(); break;
        case GameMode::kExploration: DrawExploration(); break;
        case GameMode::kBattle: DrawBattleScreen(); break;
        case GameMode::kCamp: DrawCamp(); break;
        default: break;
    }
    device.SetColor(palette::kWhite);
    device.SetBlendMode(kBlendNormal);
}
