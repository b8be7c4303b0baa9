#include "tools/autoplay/ButtonDriver.h"

#include "engine/input/Input.h"
#include "flow/GameFlow.h"

void ButtonDriver::Frame(int32_t button) {
    ButtonStates& merged = Input().merged;
    merged = {};
    if (button >= 0 && button < kButtonCount) merged[size_t(button)] = 1;
    UpdateGame();
    merged = {};
    ++frames_;
}

void ButtonDriver::Press(int32_t button) {
    Frame(button);
    Wait(kFramesPerPress - 1);
}

void ButtonDriver::Wait(int32_t frames) {
    for (int32_t i = 0; i < frames; ++i) Frame();
}
