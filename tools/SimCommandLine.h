#pragma once
// What the two simulators' command lines share: number lists, the tables
// they run on, and the check that the chosen characters exist.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "content/ContentDatabase.h"

// "1,2,3" or "1:2:3" into numbers; false on anything that is not a number.
inline bool ParseInts(const char* text, char separator, std::vector<int32_t>& out) {
    std::stringstream stream(text);
    std::string part;
    out.clear();
    while (std::getline(stream, part, separator)) {
        char* end = nullptr;
        const long value = std::strtol(part.c_str(), &end, 10);
        if (part.empty() || *end != '\0') return false;
        out.push_back(static_cast<int32_t>(value));
    }
    return !out.empty();
}

// Builds every table, saying on standard error what a row got wrong.
inline void BuildTablesForSimulation() {
    BuildContentTables();
    BuildLateContentTables();
    for (const std::string& problem : ContentProblems()) {
        std::fprintf(stderr, "content: %s\n", problem.c_str());
    }
}

// False (after saying which) when a chosen character has no row.
inline bool CharactersExist(const char* tool, const std::vector<int32_t>& members) {
    for (int32_t character : members) {
        if (character < 0 || character >= kCharacterCapacity || CharacterById(character).name.Empty()) {
            std::fprintf(stderr, "%s: no character %d\n", tool, character);
            return false;
        }
    }
    return true;
}
