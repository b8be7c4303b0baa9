#include "rules/Guild.h"

bool ToggleHunt(ExpeditionState& expedition, const PartyState& party, int32_t quest) {
    if (quest < 0 || quest >= kQuestCapacity || party.notices[quest] != Holding::kCarried) return false;
    expedition.hunt[quest] = expedition.hunt[quest] != 0 ? 0 : 1;
    return true;
}
