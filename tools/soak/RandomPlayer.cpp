#include "tools/soak/RandomPlayer.h"

#include <array>

#include "engine/input/Input.h"

namespace {

// Weights in the order of kChoices.
constexpr std::array<int32_t, 11> kChoices = {kNoPress, kDecide,   kCancel, kSpeed,
                                              kPageUp,  kPageDown, kSellAll, kUp,
                                              kRight,   kDown,     kLeft};
using Weights = std::array<int32_t, 11>;

//                                none dec can spd pgU pgD sell  up rgt  dn lft
constexpr Weights kLists      = {  4, 30, 12,  1,  3,  3,  2, 15, 10, 15, 10};
constexpr Weights kTownMenu   = {  2, 35,  2,  1,  0,  0,  0, 15, 15, 15, 15};
constexpr Weights kTitle      = {  5, 40, 10,  0,  0,  0,  0, 20,  0, 20,  0};
constexpr Weights kAreaChoice = {  3, 45,  5,  0,  2,  2,  0, 10, 10, 10, 10};
constexpr Weights kExplore    = {  5,  5,  2,  1,  0,  0,  0, 70,  2,  3,  2};
constexpr Weights kBattle     = { 10, 50,  8,  1,  1,  1,  1,  8,  8,  8,  8};
constexpr Weights kBattleEnd  = { 30, 50,  5,  0,  0,  0,  0,  5,  0,  5,  0};

const Weights& WeightsFor(const std::string& screen) {
    if (screen == "town/menu") return kTownMenu;
    if (screen.starts_with("title/")) return kTitle;
    if (screen.starts_with("area/")) return kAreaChoice;
    if (screen.starts_with("explore/")) return kExplore;
    if (screen == "battle/victory" || screen == "battle/defeat") return kBattleEnd;
    if (screen.starts_with("battle/")) return kBattle;
    return kLists;
}

}  // namespace

int32_t RandomPlayer::Choose(const std::string& screen) {
    const Weights& w = WeightsFor(screen);
    std::discrete_distribution<size_t> pick(w.begin(), w.end());
    return kChoices[pick(rng_)];
}
