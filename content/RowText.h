#pragma once
// The short texts that content rows use where a row sets a few of many
// slots: "物防100 挑発100" sets two status chances, "毒～封印50" a run of
// them. Labels are the game's own, so the rows read like the screens.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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
