#pragma once
// The short texts that enemy, area and quest rows use for their lists, so a
// row stays on one line: "1:10 551:4" (skill:weight), "1190:0+20@1000"
// (item:base+spread@chance), "1251:0 750:10" (goods:quality), "闘志10 反射30"
// (ability name and value). Each parser appends to `out` and returns false,
// with the first fault in `error`, when a token is not understood.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "content/Records.h"

bool ParseWeightedIds(std::string_view text, std::vector<WeightedId>& out, std::string* error);
bool ParseDrops(std::string_view text, std::vector<DropEntry>& out, std::string* error);
bool ParseGoodsList(std::string_view text, std::vector<PackedItem>& out, std::string* error);
bool ParseIntegers(std::string_view text, std::vector<int32_t>& out, std::string* error);
// Adds each named ability's value to `params` (so a text may raise one twice).
bool ParseAbilities(std::string_view text, ParamBlock& params, std::string* error);
