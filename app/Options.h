#pragma once
// The application framework's command-line options: a table of named,
// typed options, filled from defaults and then from "-name:value" arguments.
#include <cstdint>
#include <cstdio>
#include <map>
#include <vector>

#include "engine/text/WString.h"

struct OptionType {
    enum Kind : uint32_t { kText = 0, kNumber = 1, kInputFile = 2, kOutputFile = 3, kDirectory = 4 };
    uint32_t kind = kText;
    int32_t minimum = 0;  // 0, 0 = no range
    int32_t maximum = 0;
};

// Four parallel lists, one entry per option; they must have equal length.
struct OptionDef {
    std::vector<WString> names;
    std::vector<OptionType> types;
    std::vector<WString> defaults;
    std::vector<WString> descriptions;
};

using OptionValues = std::map<WString, WString>;
using PositionalArgs = std::vector<WString>;

// The game's table: the single option "log".
OptionDef GameOptions();

// Parses the arguments against the table. Returns 0 on success, -1 after
// writing the error messages to `err` (and `out` for unreadable files).
int ParseOptions(const OptionDef& def, const std::vector<WString>& args, OptionValues& values,
                 PositionalArgs& positional, std::FILE* out, std::FILE* err);

void PrintUsage(const OptionDef& def, std::FILE* err);
