#include "content/RowText.h"

#include "content/Labels.h"
#include "engine/text/WString.h"

namespace {

constexpr std::string_view kRunMark = "～";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int32_t StatusIndex(std::string_view label) {
    return FindStatusKind(WString(std::string(label).c_str()).View());
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
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view token = text.substr(start, end - start);
        start = end + 1;
        if (token.empty()) continue;

        std::string_view label, number;
        int32_t chance = 0;
        if (!SplitLabel(token, &label, &number) || !ParseInteger(number, &chance)) {
            if (error) *error = "no chance in \"" + std::string(token) + "\"";
            return false;
        }
        int32_t first = -1, last = -1;
        const size_t run = label.find(kRunMark);
        if (run == std::string_view::npos) {
            first = last = StatusIndex(label);
        } else {
            first = StatusIndex(label.substr(0, run));
            last = StatusIndex(label.substr(run + kRunMark.size()));
        }
        if (first < 0 || last < first) {
            if (error) *error = "unknown status in \"" + std::string(token) + "\"";
            return false;
        }
        for (int32_t k = first; k <= last; ++k) chances[k] = chance;
    }
    return true;
}
