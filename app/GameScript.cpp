#include "app/GameScript.h"

#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>

#include "app/GameMain.h"
#include "app/ScriptSetUp.h"
#include "app/ScriptTiming.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/input/Input.h"
#include "flow/GameFlow.h"

namespace {

struct NamedButton {
    const char* name;
    int32_t button;
};

constexpr NamedButton kButtons[] = {
    {"decide", kDecide}, {"cancel", kCancel}, {"speed", kSpeed},   {"pageup", kPageUp},
    {"pagedown", kPageDown}, {"sellall", kSellAll}, {"up", kUp}, {"right", kRight},
    {"down", kDown},     {"left", kLeft},
};

// A press is held for one frame; the repeat block then rests every button
// for seven more, as when a player taps a key.
constexpr int32_t kFramesPerPress = 8;
constexpr int32_t kDefaultUntilPresses = 1000;

int32_t g_heldButton = -1;
uint32_t g_clock = 0;
ScriptTiming* g_timing = nullptr;

uint32_t ScriptClock() { return g_clock += 1; }

void InstallKeySource() {
    Input().keyboard.SetSource([](uint32_t code) {
        if (g_heldButton < 0) return false;
        return static_cast<int32_t>(code) == Input().keyboard.Codes()[size_t(g_heldButton)];
    });
}

void RunFrames(int32_t button, int32_t frames) {
    InstallKeySource();
    for (int32_t f = 0; f < frames; ++f) {
        g_heldButton = f == 0 ? button : -1;
        // The pause after each frame is spent as the game loop spends it.
        if (g_timing == nullptr) {
            UseIdleTime(RunFrame(ScriptClock), ScriptClock);
            continue;
        }
        const double start = NowMilliseconds();
        const uint32_t pause = RunFrame(ScriptClock);
        FinishDrawing();
        g_timing->FrameDone(NowMilliseconds() - start);
        UseIdleTime(pause, ScriptClock);
    }
    g_heldButton = -1;
}

void Press(int32_t button) { RunFrames(button, kFramesPerPress); }

// "4" or "4:5": a mode, and optionally the MenuState within it.
bool ParseTarget(const std::string& text, ScriptLine& line) {
    char* end = nullptr;
    line.mode = static_cast<int32_t>(std::strtol(text.c_str(), &end, 10));
    if (end == text.c_str()) return false;
    if (*end == '\0') return true;
    if (*end != ':') return false;
    const char* menu = end + 1;
    line.menu = static_cast<int32_t>(std::strtol(menu, &end, 10));
    return end != menu && *end == '\0';
}

bool Reached(const ScriptLine& line) {
    return CurrentMode() == line.mode &&
           (line.menu == kAnyMenuState || Flow().menuState == line.menu);
}

bool ParseCount(std::istringstream& words, int32_t& value) {
    std::string word;
    if (!(words >> word)) return true;  // optional
    char* end = nullptr;
    const long n = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || n < 0 || n > 10'000'000) return false;
    value = static_cast<int32_t>(n);
    return true;
}

}  // namespace

int32_t ScriptButton(const std::string& name) {
    for (const NamedButton& b : kButtons)
        if (name == b.name) return b.button;
    return -1;
}

bool ParseScriptLine(const std::string& text, ScriptLine& line, std::string& error) {
    line = ScriptLine{};
    std::istringstream words(text.substr(0, text.find('#')));
    std::string command;
    if (!(words >> command)) return true;
    line.command = command;
    if (command == "shot") {
        if (!(words >> line.name)) {
            error = "shot needs a name";
            return false;
        }
    } else if (command == "until") {
        std::string target;
        if (!(words >> target >> line.button) || !ParseTarget(target, line) ||
            (line.button != "wait" && ScriptButton(line.button) < 0)) {
            error = "until needs MODE or MODE:MENU and a button";
            return false;
        }
        line.count = kDefaultUntilPresses;
        if (!ParseCount(words, line.count)) {
            error = "until: bad press limit";
            return false;
        }
    } else if (command == "wait" || ScriptButton(command) >= 0) {
        if (!ParseCount(words, line.count)) {
            error = "bad count";
            return false;
        }
    } else if (int32_t least = 0, most = 0; SetUpArity(command, least, most)) {
        int32_t value = 0;
        while (words >> value) line.args.push_back(value);
        if (!words.eof() || static_cast<int32_t>(line.args.size()) < least ||
            static_cast<int32_t>(line.args.size()) > most) {
            error = command + ": wrong arguments";
            return false;
        }
        return true;
    } else {
        error = "unknown command '" + command + "'";
        return false;
    }
    std::string extra;
    if (words >> extra) {
        error = "unexpected '" + extra + "'";
        return false;
    }
    return true;
}

std::string DescribeFlowState() {
    const GameFlow& flow = Flow();
    std::ostringstream out;
    out << "modes [";
    for (size_t i = 0; i < flow.modeStack.size(); ++i) out << (i ? " " : "") << flow.modeStack[i];
    out << "] menu " << flow.menuState << " sub " << flow.subState << " sel " << flow.selection
        << '/' << flow.selection2 << " tab " << flow.tab;
    int32_t active = -1;
    for (int32_t n = 0; n < kWidgetCount && active < 0; ++n)
        if (flow.widgets[size_t(n)].State() == WidgetState::kActive) active = n;
    if (active < 0) {
        out << " widget -";
    } else {
        const ListWidget& w = flow.widgets[size_t(active)];
        out << " widget " << active << " cursor " << w.Cursor() << '/' << w.Count();
    }
    return out.str();
}

bool RunScriptLine(const ScriptLine& line, ScriptRun& run, std::string& error) {
    if (line.command.empty()) return true;
    g_timing = run.timing;
    if (line.command == "wait") {
        RunFrames(-1, line.count);
    } else if (line.command == "shot") {
        if (run.timing != nullptr) run.timing->Shot(line.name);
        WString path;
        path.Format("%s/%s.png", run.shotFolder.c_str(), line.name.c_str());
        if (!Graphics().SaveFrame(path)) {
            error = "could not write " + path.ToUtf8();
            return false;
        }
    } else if (line.command == "until") {
        const int32_t button = ScriptButton(line.button);
        for (int32_t n = 0; n < line.count; ++n) {
            if (Reached(line)) return true;
            // "wait" lets single frames pass; a button is a whole press.
            if (button < 0) {
                RunFrames(-1, 1);
            } else {
                Press(button);
            }
        }
        if (!Reached(line)) {
            error = "mode " + std::to_string(line.mode) +
                    (line.menu == kAnyMenuState ? "" : ":" + std::to_string(line.menu)) +
                    " not reached";
            return false;
        }
    } else if (int32_t least = 0, most = 0; SetUpArity(line.command, least, most)) {
        return ApplySetUp(line.command, line.args, error);
    } else {
        const int32_t button = ScriptButton(line.command);
        for (int32_t n = 0; n < line.count; ++n) Press(button);
    }
    return true;
}

int RunGameScript(std::istream& in, std::ostream& out, ScriptRun& run) {
    std::string text;
    while (std::getline(in, text)) {
        ++run.lineNumber;
        ScriptLine line;
        std::string error;
        if (!ParseScriptLine(text, line, error) || !RunScriptLine(line, run, error)) {
            out << run.lineNumber << ": " << text << " -> error: " << error << '\n';
            return 1;
        }
        if (line.command.empty()) continue;
        out << run.lineNumber << ": " << text << " -> " << DescribeFlowState() << '\n';
    }
    return 0;
}
