#pragma once
// The short texts that content rows use where a row sets a few of many
// slots: "物防100 挑発100" sets two status chances, "毒～封印50" a run of
// them. Labels are the game's own, so the rows read like the screens.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include <vector>

#include "content/ItemFormula.h"
#include "content/Records.h"
#include "content/Vocabulary.h"

using StatusChances = std::array<int32_t, StatusKind::kCount>;

// Sets the chances the text names and leaves the others. Returns false and
// describes the first fault in `error` when a token is not understood.
bool ParseStatusChances(std::string_view text, StatusChances& chances, std::string* error);

// Splits a token such as "挑発100" or "Atk50+10" into its label and the
// number text that follows (sign included). False when there is no number.
bool SplitLabel(std::string_view token, std::string_view* label, std::string_view* number);

// Reads a whole signed decimal; false on anything else.
bool ParseInteger(std::string_view text, int32_t* value);

// One bonus of an item: slot of the parameter block (0-7 base parameters,
// 8-107 abilities) and its value as a function of quality.
struct Bonus {
    int32_t slot = 0;
    Linear value;
};

// "Atk50+10 Hit20 Epの系譜70": a base parameter label or an ability name,
// the slope, and an optional constant ("50+10" is 50 x q + 10).
bool ParseBonuses(std::string_view text, std::vector<Bonus>& bonuses, std::string* error);

// A skill that an item grants once its quality reaches `threshold`; when
// `otherSkill` is set and the quality falls short, the pair's second
// choice is tested instead ("110@80|105@50").
struct Grant {
    int32_t skill = 0;
    int32_t threshold = 0;
    int32_t otherSkill = 0;
    int32_t otherThreshold = 0;
};

// "260@10 114@40", "110@80|105@50", or "500" (from any quality).
bool ParseGrants(std::string_view text, std::vector<Grant>& grants, std::string* error);

// "1120:40 1100:30": (id, share) pairs in order, as recipe ingredients.
bool ParseShares(std::string_view text, std::vector<WeightedId>& shares, std::string* error);
