#include "flow/GameFlow.h"

#include "content/ContentDatabase.h"
#include "content/MusicFiles.h"
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/input/Input.h"
#include "engine/sound/MusicPlayer.h"
#include "flow/Palette.h"
#include "flow/SharedPictures.h"
#include "flow/SoundRequest.h"
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

    LoadSharedPictures();
    BuildContentTables();
    BuildLateContentTables();
    LoadContentPictures();

    WString music;
    music.Format("music\\%s", kTitleMusic);
    Music().Play(music);
}

void ShutdownFlow() {
    ReleaseContentPictures();
    ReleaseSharedPictures();
}

void UpdateGame() {
    ClearSoundRequest();
    if (PressedButtons()[kSpeed]) {
        platform::SleepMs(100);
        SpeedSetting() = 1 - SpeedSetting();
        UpdateWindowTitle();
    }
    PlaySoundRequest();
}

void DrawGame() {
    // The title: background 0 and the name in red.
    GraphicsDevice& device = Graphics();
    device.DrawRect(kScreenRect, Pictures().backgrounds[0], 0);
    TextRenderer& text = device.Text();
    text.SetTextStyle(64, 64, 0, 0);
    text.SetTextAlign(1, 1);
    device.SetColor(palette::kRed);
    text.DrawText({320, 140}, WString("ハルモア２"));
    device.SetColor(palette::kWhite);
}
