// Feeds arbitrary bytes to the configuration reader as the file would bring
// them (short files read as zeros), keeps the values in range as start-up
// does, and sets up the input with the keys and joystick buttons they name;
// a few frames of input are then polled with buttons held from the bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/ConfigEdit.h"
#include "app/ConfigRanges.h"
#include "app/FrameStopwatch.h"
#include "app/GameConfig.h"
#include "engine/input/Input.h"
#include "engine/input/Tween.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GameConfig config = GameConfig::FromBytes(data, size);
    const std::vector<uint8_t> back = config.ToBytes();
    Require(back.size() == GameConfig::kFileSize);
    for (size_t i = 0; i < GameConfig::kFileSize; ++i) Require(back[i] == (i < size ? data[i] : 0));

    std::vector<std::string> notes;
    const bool clean = KeepConfigInRange(config, notes);
    Require(clean == notes.empty());
    Require(config.framePeriod[0] <= kLongestFramePeriod && config.framePeriod[1] <= kLongestFramePeriod);
    std::vector<std::string> again;
    GameConfig twice = config;
    Require(KeepConfigInRange(twice, again) && twice.ToBytes() == config.ToBytes());

    // The configuration tool reads back what it shows of a file in range.
    const std::string shown = DescribeConfig(config);
    GameConfig edited = GameConfig::Defaults();
    size_t from = 0;
    while (from < shown.size()) {
        const size_t end = shown.find('\n', from);
        const std::string line = shown.substr(from, end - from);
        from = end + 1;
        std::string error;
        const bool numbered = line.starts_with("key.") && line.find_first_not_of("0123456789", line.find('=') + 1) == std::string::npos;
        if (!numbered) Require(ApplySetting(edited, line, error));
    }
    Require(edited.framePeriod == config.framePeriod && edited.windowWidth == config.windowWidth &&
            edited.windowHeight == config.windowHeight && edited.joystickButtons == config.joystickButtons);

    for (uint32_t elapsed : {0u, 5u, 16u, 0x80000000u}) {
        for (uint32_t period : config.framePeriod) Require(FramePadding(period, elapsed) <= period);
    }

    InputState& input = Input();
    input.repeatBlock = 0;
    const size_t tail = size > GameConfig::kFileSize ? GameConfig::kFileSize : size;
    input.keyboard.SetSource([&](uint32_t code) { return size > 0 && (data[code % size] & 1) != 0; });
    input.joystick.SetSource([&](uint32_t id, JoystickPosition& out) {
        if (id != 0 || tail == 0) return false;
        out.x = data[0] * 257u;
        out.y = data[tail - 1] * 257u;
        out.buttons = data[tail / 2] | (uint32_t(data[tail / 3]) << 8);
        return true;
    });
    SetUpInput(config.keys.data(), config.joystickButtons.data(), 11);
    for (int frame = 0; frame < 20; ++frame) {
        UpdateInput();
        UpdateTweens();
        for (uint8_t b : PressedButtons()) Require(b <= 1);
    }
    return 0;
}
