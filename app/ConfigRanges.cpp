#include "app/ConfigRanges.h"

namespace {

void Mend(uint32_t& value, bool bad, uint32_t fallback, const char* name,
          std::vector<std::string>& notes) {
    if (!bad) return;
    notes.push_back(std::string(name) + " " + std::to_string(value) +
                    " is out of range; using " + std::to_string(fallback));
    value = fallback;
}

}  // namespace

bool KeepConfigInRange(GameConfig& config, std::vector<std::string>& notes) {
    const size_t before = notes.size();
    const GameConfig defaults = GameConfig::Defaults();
    Mend(config.framePeriod[0], config.framePeriod[0] > kLongestFramePeriod,
         defaults.framePeriod[0], "normal-period", notes);
    Mend(config.framePeriod[1], config.framePeriod[1] > kLongestFramePeriod,
         defaults.framePeriod[1], "fast-period", notes);
    const auto badSide = [](uint32_t side) {
        return side < kSmallestWindowSide || side > kLargestWindowSide;
    };
    Mend(config.windowWidth, badSide(config.windowWidth), defaults.windowWidth, "width", notes);
    Mend(config.windowHeight, badSide(config.windowHeight), defaults.windowHeight, "height",
         notes);
    // Joystick buttons past 10 name nothing; they leave the button unmapped.
    for (uint32_t& button : config.joystickButtons) {
        Mend(button, button > 10, 0, "joystick button", notes);
    }
    return notes.size() == before;
}
