#include "flow/GameFlow.h"

#include "engine/graphics/GraphicsDevice.h"
#include "engine/input/Input.h"
#include "flow/SoundRequest.h"
#include "platform/Clock.h"

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

void InitGame() {}

void UpdateGame() {
    ClearSoundRequest();
    if (PressedButtons()[kSpeed]) {
        platform::SleepMs(100);
        SpeedSetting() = 1 - SpeedSetting();
        UpdateWindowTitle();
    }
    PlaySoundRequest();
}

void DrawGame() {}
