#include "app/ExtraSettings.h"

#include <charconv>
#include <cstdio>
#include <fstream>

#include "engine/text/WString.h"
#include "platform/NativePath.h"

namespace {

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

bool IsExtraSettingName(std::string_view name) {
    return name == "scaling" || name == "soundfont" || name == "midi-out";
}

bool ApplyExtraSetting(ExtraSettings& settings, std::string_view assignment, std::string& error) {
    const size_t eq = assignment.find('=');
    if (eq == std::string_view::npos) {
        error = "expected name=value: " + std::string(assignment);
        return false;
    }
    const std::string_view name = Trim(assignment.substr(0, eq));
    const std::string_view value = Trim(assignment.substr(eq + 1));
    const auto bad = [&](const char* what) {
        error = std::string(name) + ": " + what + ": " + std::string(value);
        return false;
    };
    if (name == "scaling") {
        if (value == "smooth") settings.scaling = ScaleMode::kSmooth;
        else if (value == "whole") settings.scaling = ScaleMode::kWholeNumber;
        else return bad("use smooth or whole");
        return true;
    }
    if (name == "soundfont") {
        settings.soundFont = value == "default" ? std::string() : std::string(value);
        return true;
    }
    if (name == "midi-out") {
        int32_t number = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (ec != std::errc() || end != value.data() + value.size() || number < -1 || number > 255) {
            return bad("use -1 (built-in synthesiser) or a port number 0 to 255");
        }
        settings.midiOut = number;
        return true;
    }
    error = "unknown setting: " + std::string(name);
    return false;
}

ExtraSettings ParseExtraSettings(std::string_view text, std::vector<std::string>& problems) {
    ExtraSettings settings;
    size_t number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.empty() || line.front() == '#') continue;
        std::string error;
        if (!ApplyExtraSetting(settings, line, error)) {
            problems.push_back("line " + std::to_string(number) + ": " + error);
        }
    }
    return settings;
}

std::string FormatExtraSettings(const ExtraSettings& s) {
    std::string out = "# Written by the configuration tool; the game only reads it.\n";
    out += std::string("scaling=") + (s.scaling == ScaleMode::kWholeNumber ? "whole" : "smooth") + "\n";
    out += "soundfont=" + s.soundFont + "\n";
    out += "midi-out=" + std::to_string(s.midiOut) + "\n";
    return out;
}

ExtraSettings& Extras() {
    static ExtraSettings settings;
    return settings;
}

void LoadExtraSettings(const char* path) {
    Extras() = ExtraSettings{};
    const std::string native = platform::NativePath(WString(path).View());
    std::ifstream file(native, std::ios::binary);
    if (!file) return;
    // A settings file is a few lines; anything past 64 KiB is not one.
    std::string text(65536, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(file.gcount()));
    std::vector<std::string> problems;
    Extras() = ParseExtraSettings(text, problems);
    for (const std::string& problem : problems) {
        std::fprintf(stderr, "%s: %s (skipped)\n", native.c_str(), problem.c_str());
    }
}
