#include "rules/BattleUnit.h"

namespace {

constexpr std::array<int32_t, StatusKind::kCount> MakeDurations() {
    std::array<int32_t, StatusKind::kCount> ticks{};
    for (int32_t& t : ticks) t = 800;
    ticks[StatusKind::kSleep] = 500;
    ticks[StatusKind::kParalysis] = 500;
    ticks[StatusKind::kConfusion] = 500;
    ticks[StatusKind::kReflect] = 1200;
    return ticks;
}

constexpr std::array<int32_t, StatusKind::kCount> kDurations = MakeDurations();

}  // namespace

int32_t StatusBaseDuration(int32_t kind) {
    return kind >= 0 && kind < StatusKind::kCount ? kDurations[kind] : 0;
}
