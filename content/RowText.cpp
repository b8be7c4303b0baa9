#include "content/RowText.h"

#include "content/Abilities.h"
#include "content/Labels.h"
#include "engine/text/WString.h"

namespace {

constexpr std::string_view kRunMark = "～";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

WString Wide(std::string_view text) { return WString(std::string(text).c_str()); }

int32_t StatusIndex(std::string_view label) { return FindStatusKind(Wide(label).View()); }

// Parameter block slot of a base parameter label or an ability name.
int32_t BonusSlot(std::string_view label) {
    const WString wide = Wide(label);
    const int32_t base = FindBaseParam(wide.View());
    if (base >= 0) return base;
    const int32_t ability = FindAbility(wide.View());
    return ability >= 0 ? BaseParam::kCount + ability : -1;
}

// Calls `each` with every space-separated token.
template <class F>
bool ForEachToken(std::string_view text, F each) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view token = text.substr(start, end - start);
        start = end + 1;
        if (!token.empty() && !each(token)) return false;
    }
    return true;
}

bool Fail(std::string* error, const char* what, std::string_view token) {
    if (error) *error = std::string(what) + " in \"" + std::string(token) + "\"";
    return false;
}

// "50", "50+10", "-5", "30-5" as slope and constant.
bool ParseLinear(std::string_view text, Linear* value) {
    size_t split = text.find_first_of("+-", 1);
    int32_t a = 0, b = 0;
    if (split == std::string_view::npos) {
        if (!ParseInteger(text, &a)) return false;
    } else if (!ParseInteger(text.substr(0, split), &a) || !ParseInteger(text.substr(split), &b)) {
        return false;
    }
    value->a = a;
    value->b = b;
    return true;
}

// "110@80" or "500".
bool ParseSkillAt(std::string_view text, int32_t* skill, int32_t* threshold) {
    const size_t at = text.find('@');
    *threshold = 0;
    if (at == std::string_view::npos) return ParseInteger(text, skill);
    return ParseInteger(text.substr(0, at), skill) && ParseInteger(text.substr(at + 1), threshold);
}

}  // namespace

bool ParseInteger(std::string_view text, int32_t* value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return false;
        v = v * 10 + (text[i] - '0');
        if (v > INT32_MAX) return false;
    }
    *value = static_cast<int32_t>(negative ? -v : v);
    return true;
}

bool SplitLabel(std::string_view token, std::string_view* label, std::string_view* number) {
    size_t i = 0;
    while (i < token.size() && !IsDigit(token[i]) && token[i] != '-' && token[i] != '+') ++i;
    if (i == 0 || i == token.size()) return false;
    *label = token.substr(0, i);
    *number = token.substr(i);
    return true;
}

bool ParseStatusChances(std::string_view text, StatusChances& chances, std::string* error) {
    return ForEachToken(text, [&](std::string_view token) {
        std::string_view label, number;
        int32_t chance = 0;
        if (!SplitLabel(token, &label, &number) || !ParseInteger(number, &chance))
            return Fail(error, "no chance", token);
        int32_t first = -1, last = -1;
        const size_t run = label.find(kRunMark);
        if (run == std::string_view::npos) {
            first = last = StatusIndex(label);
        } else {
            first = StatusIndex(label.substr(0, run));
            last = StatusIndex(label.substr(run + kRunMark.size()));
        }
        if (first < 0 || last < first) return Fail(error, "unknown status", token);
        for (int32_t k = first; k <= last; ++k) chances[k] = chance;
        return true;
    });
}

bool ParseBonuses(std::string_view text, std::vector<Bonus>& bonuses, std::string* error) {
    return ForEachToken(text, [&](std::string_view token) {
        std::string_view label, number;
        Bonus bonus;
        if (!SplitLabel(token, &label, &number) || !ParseLinear(number, &bonus.value))
            return Fail(error, "no value", token);
        bonus.slot = BonusSlot(label);
        if (bonus.slot < 0) return Fail(error, "unknown parameter", token);
        bonuses.push_back(bonus);
        return true;
    });
}

bool ParseGrants(std::string_view text, std::vector<Grant>& grants, std::string* error) {
    return ForEachToken(text, [&](std::string_view token) {
        Grant grant;
        const size_t bar = token.find('|');
        const std::string_view first = token.substr(0, bar);
        if (!ParseSkillAt(first, &grant.skill, &grant.threshold))
            return Fail(error, "no skill", token);
        if (bar != std::string_view::npos &&
            !ParseSkillAt(token.substr(bar + 1), &grant.otherSkill, &grant.otherThreshold))
            return Fail(error, "no second skill", token);
        grants.push_back(grant);
        return true;
    });
}

bool ParseShares(std::string_view text, std::vector<WeightedId>& shares, std::string* error) {
    return ForEachToken(text, [&](std::string_view token) {
        const size_t colon = token.find(':');
        WeightedId entry;
        if (colon == std::string_view::npos || !ParseInteger(token.substr(0, colon), &entry.id) ||
            !ParseInteger(token.substr(colon + 1), &entry.weight))
            return Fail(error, "no id:share", token);
        shares.push_back(entry);
        return true;
    });
}
