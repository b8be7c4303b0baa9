#include "content/ListText.h"

#include "content/Abilities.h"
#include "content/RowText.h"

namespace {

std::vector<std::string_view> Tokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) tokens.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return tokens;
}

// Reads whole numbers separated by the given marks, in order: "1190:0+20@1000"
// with marks ":+@" gives four numbers. Every mark must be there.
bool ReadFields(std::string_view token, std::string_view marks, int32_t* values) {
    for (size_t i = 0; i <= marks.size(); ++i) {
        size_t end = token.size();
        if (i < marks.size()) {
            end = token.find(marks[i]);
            if (end == std::string_view::npos) return false;
        }
        if (!ParseInteger(token.substr(0, end), &values[i])) return false;
        token = i < marks.size() ? token.substr(end + 1) : std::string_view{};
    }
    return true;
}

bool Fail(std::string* error, std::string_view what, std::string_view token) {
    if (error) *error = std::string(what) + " \"" + std::string(token) + "\"";
    return false;
}

}  // namespace

bool ParseWeightedIds(std::string_view text, std::vector<WeightedId>& out, std::string* error) {
    for (std::string_view token : Tokens(text)) {
        int32_t v[2];
        if (!ReadFields(token, ":", v)) return Fail(error, "not id:weight in", token);
        out.push_back(WeightedId{v[0], v[1]});
    }
    return true;
}

bool ParseDrops(std::string_view text, std::vector<DropEntry>& out, std::string* error) {
    for (std::string_view token : Tokens(text)) {
        int32_t v[4];
        if (!ReadFields(token, ":+@", v)) return Fail(error, "not item:base+spread@chance in", token);
        out.push_back(DropEntry{v[0], v[1], v[2], v[3]});
    }
    return true;
}

bool ParseGoodsList(std::string_view text, std::vector<PackedItem>& out, std::string* error) {
    for (std::string_view token : Tokens(text)) {
        int32_t v[2];
        if (!ReadFields(token, ":", v) || v[0] <= 0 || v[0] >= GoodsRange::kEnd || v[1] < 0 ||
            v[1] > 100)
            return Fail(error, "not goods:quality in", token);
        out.push_back(PackItem(v[0], v[1]));
    }
    return true;
}

bool ParseIntegers(std::string_view text, std::vector<int32_t>& out, std::string* error) {
    for (std::string_view token : Tokens(text)) {
        int32_t v = 0;
        if (!ParseInteger(token, &v)) return Fail(error, "not a number:", token);
        out.push_back(v);
    }
    return true;
}

bool ParseAbilities(std::string_view text, ParamBlock& params, std::string* error) {
    for (std::string_view token : Tokens(text)) {
        std::string_view label, number;
        int32_t value = 0;
        if (!SplitLabel(token, &label, &number) || !ParseInteger(number, &value))
            return Fail(error, "no value in", token);
        const int32_t k = FindAbility(WString(std::string(label).c_str()).View());
        if (k < 0) return Fail(error, "unknown ability in", token);
        params.Ability(k) += value;
    }
    return true;
}
