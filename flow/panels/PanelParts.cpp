#include "flow/panels/PanelParts.h"

#include <algorithm>

#include "rules/Levels.h"

WString NextLevelText(const PartyState& party) {
    if (party.level >= kMaxLevel) return WString("-");
    // The pool never holds a whole level once it is applied; a damaged
    // save that says otherwise shows 0, not a negative need.
    return Number("%d", std::max(0, ExpToNext(party.level) - party.expPool));
}

WString Number(const char* format, int32_t value) {
    WString text;
    text.Format(format, value);
    return text;
}
