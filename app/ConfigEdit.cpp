#include "app/ConfigEdit.h"

#include <charconv>

#include "platform/VirtualKeys.h"

namespace {

constexpr const char* kButtonNames[11] = {"decide", "cancel",  "speed",  "pageup",
                                          "pagedown", "sellall", "spare1", "spare2",
                                          "spare3", "spare4",  "spare5"};

bool ParseNumber(std::string_view text, uint32_t& out) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ParseSwitch(std::string_view text, uint8_t& out) {
    if (text == "on" || text == "1" || text == "yes") {
        out = 1;
        return true;
    }
    if (text == "off" || text == "0" || text == "no") {
        out = 0;
        return true;
    }
    return false;
}

int ButtonIndex(std::string_view name) {
    for (int i = 0; i < 11; ++i) {
        if (name == kButtonNames[i] || name == std::to_string(i)) return i;
    }
    return -1;
}

}  // namespace

const char* ButtonName(size_t button) { return button < 11 ? kButtonNames[button] : ""; }

bool ApplySetting(GameConfig& config, std::string_view assignment, std::string& error) {
    const size_t eq = assignment.find('=');
    if (eq == std::string_view::npos) {
        error = "expected name=value: " + std::string(assignment);
        return false;
    }
    const std::string_view name = assignment.substr(0, eq);
    const std::string_view value = assignment.substr(eq + 1);
    const auto bad = [&](const char* what) {
        error = std::string(name) + ": " + what + ": " + std::string(value);
        return false;
    };

    uint32_t number = 0;
    if (name == "normal-period" || name == "fast-period" || name == "width" ||
        name == "height") {
        if (!ParseNumber(value, number)) return bad("not a number");
        if ((name == "width" || name == "height") && (number < 160 || number > 16384)) {
            return bad("size out of range 160..16384");
        }
        if (number > 1000 && (name == "normal-period" || name == "fast-period")) {
            return bad("period out of range 0..1000 ms");
        }
        if (name == "normal-period") config.framePeriod[0] = number;
        if (name == "fast-period") config.framePeriod[1] = number;
        if (name == "width") config.windowWidth = number;
        if (name == "height") config.windowHeight = number;
        return true;
    }
    if (name == "fullscreen") return ParseSwitch(value, config.fullScreen) || bad("use on or off");
    if (name == "music") return ParseSwitch(value, config.musicEnabled) || bad("use on or off");
    if (name == "sound") return ParseSwitch(value, config.soundEnabled) || bad("use on or off");

    if (name.starts_with("key.") || name.starts_with("joy.")) {
        const int button = ButtonIndex(name.substr(4));
        if (button < 0) return bad("unknown button");
        if (name.starts_with("key.")) {
            uint32_t code = value == "none" ? 0 : platform::VirtualKeyByName(value);
            if (code == 0 && value != "none") return bad("unknown key name");
            config.keys[static_cast<size_t>(button)] = code;
        } else {
            if (value == "none") number = 0;
            else if (!ParseNumber(value, number) || number < 1 || number > 10) {
                return bad("joystick buttons are 1 to 10, or none");
            }
            config.joystickButtons[static_cast<size_t>(button)] = number;
        }
        return true;
    }
    error = "unknown setting: " + std::string(name);
    return false;
}

std::string DescribeConfig(const GameConfig& c) {
    std::string out;
    const auto line = [&](const std::string& name, const std::string& value) {
        out += name + "=" + value + "\n";
    };
    line("normal-period", std::to_string(c.framePeriod[0]));
    line("fast-period", std::to_string(c.framePeriod[1]));
    line("fullscreen", c.fullScreen ? "on" : "off");
    line("music", c.musicEnabled ? "on" : "off");
    line("sound", c.soundEnabled ? "on" : "off");
    line("width", std::to_string(c.windowWidth));
    line("height", std::to_string(c.windowHeight));
    for (size_t i = 0; i < 11; ++i) {
        const char* key = platform::VirtualKeyName(c.keys[i]);
        line(std::string("key.") + kButtonNames[i],
             c.keys[i] == 0 ? "none" : (*key ? key : std::to_string(c.keys[i])));
    }
    for (size_t i = 0; i < 11; ++i) {
        line(std::string("joy.") + kButtonNames[i],
             c.joystickButtons[i] == 0 ? "none" : std::to_string(c.joystickButtons[i]));
    }
    return out;
}
