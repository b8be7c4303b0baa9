#pragma once
// Builds every content table once for the tests of this folder (no
// pictures: the tables are pure data).
#include "content/ContentDatabase.h"

inline void EnsureContentBuilt() {
    static const bool built = [] {
        BuildContentTables();
        BuildLateContentTables();
        return true;
    }();
    (void)built;
}

inline std::string Utf8(const WString& text) { return text.ToUtf8(); }
