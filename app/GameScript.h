#pragma once
// Plays the real game from a text file of logical buttons, frame by frame,
// and prints the state of the screens after every line, so a sequence can
// be replayed exactly (tests, bug reports, screenshots).
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

inline constexpr int32_t kAnyMenuState = -1000;

struct ScriptLine {
    std::string command;  // button name, "wait", "until", "shot", or a set-up
    int32_t count = 1;    // presses or frames
    int32_t mode = -1;    // "until": the mode to reach
    int32_t menu = kAnyMenuState;  // "until MODE:MENU": and its MenuState
    std::string button;   // "until": the button pressed meanwhile
    std::string name;     // "shot": the picture's name
    std::vector<int32_t> args;  // set-up lines (app/ScriptSetUp.h)
};

// Parses one line; false with a reason for a line it does not understand.
// Blank lines and "#" comments give an empty command.
bool ParseScriptLine(const std::string& text, ScriptLine& line, std::string& error);

// The logical button of a name ("decide", "pagedown", ...), or -1.
int32_t ScriptButton(const std::string& name);

// "modes [0 1 10] menu -1 sub 0 sel 0/0 tab 0 widget 2 cursor 3"
std::string DescribeFlowState();

class ScriptTiming;

struct ScriptRun {
    std::string shotFolder = ".";  // where "shot NAME" writes NAME.png
    int32_t lineNumber = 0;
    ScriptTiming* timing = nullptr;  // times frames and screens when set
};

// Runs one parsed line on the started game. False (with a reason) when an
// "until" ran out of presses or a picture could not be written.
bool RunScriptLine(const ScriptLine& line, ScriptRun& run, std::string& error);

// Whole script: each line is run and the state printed after it. Returns
// 0, or 1 after the first line that failed.
int RunGameScript(std::istream& in, std::ostream& out, ScriptRun& run);
