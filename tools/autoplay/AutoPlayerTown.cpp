// The automatic player in town: the facilities, one button at a time.
#include <algorithm>

#include "content/Characters.h"
#include "engine/input/Input.h"
#include "flow/GameFlow.h"
#include "flow/ListSources.h"
#include "flow/SaveSlots.h"
#include "flow/WidgetSetUp.h"
#include "flow/screens/Town.h"
#include "rules/BattleState.h"
#include "rules/Expedition.h"
#include "rules/Synthesis.h"
#include "tools/autoplay/AutoPlayer.h"
#include "tools/autoplay/CursorPath.h"
#include "tools/autoplay/TownPlan.h"

namespace {

constexpr int32_t kTitleMenu = 0;
constexpr int32_t kShopList = 14;
constexpr int32_t kPawnList = 15;
constexpr int32_t kNoticeList = 16;
constexpr int32_t kTavernList = 17;
constexpr int32_t kRecipeList = 19;
constexpr int32_t kSlotList = 20;
constexpr int32_t kMaterialList = 21;
constexpr int32_t kSaveList = 23;
constexpr int32_t kSaveSlotsUsed = 3;

// Bounds on every loop, so a plan that cannot be carried out never hangs.
constexpr int32_t kMaxSales = 300;
constexpr int32_t kMaxPurchases = 60;
constexpr int32_t kMaxSyntheses = 30;

// The pawn shop's tab (0-3) holding the goods.
int32_t PawnTab(PackedItem item) {
    switch (ClassifyGoods(PackedGoodsId(item))) {
        case GoodsKind::kWeapon: return 1;
        case GoodsKind::kAccessory: return 2;
        case GoodsKind::kMaterial: return 3;
        default: return 0;
    }
}

// How many entries from `index` on, all of one id, are junk one after the
// other: the sell-all button takes them in one press when that is all of them.
int32_t JunkRun(const PartyState& party, int32_t index) {
    const int32_t id = PackedGoodsId(party.inventory[size_t(index)]);
    size_t end = size_t(index);
    while (end < party.inventory.size() && PackedGoodsId(party.inventory[end]) == id) ++end;
    PartyState copy = party;
    for (size_t k = size_t(index); k < end; ++k) {
        if (NextJunk(copy) != index) return 1;
        copy.inventory.erase(copy.inventory.begin() + index);
    }
    return static_cast<int32_t>(end - size_t(index));
}

}  // namespace

bool AutoPlayer::Expect(bool condition, const std::string& what) {
    if (!condition && fault_.empty()) {
        fault_ = what + " (mode " + std::to_string(CurrentMode()) + " menu " +
                 std::to_string(Flow().menuState) + " sub " + std::to_string(Flow().subState) + ")";
    }
    return condition;
}

bool AutoPlayer::MoveTo(int32_t widget, int32_t row, bool sideways) {
    for (int32_t attempt = 0; attempt < 3; ++attempt) {
        const std::optional<std::vector<int32_t>> path = CursorPath(Widget(widget), row, sideways);
        if (!path) return Expect(false, "no way to row " + std::to_string(row) + " of widget " + std::to_string(widget));
        for (int32_t button : *path) driver_.Press(button);
        if (Widget(widget).Cursor() == row) return true;
    }
    return Expect(false, "cursor of widget " + std::to_string(widget) + " did not reach row " + std::to_string(row));
}

bool AutoPlayer::EnterFacility(int32_t entry) {
    if (!Expect(CurrentMode() == GameMode::kTown && Flow().menuState == TownState::kMenu,
                "town menu expected"))
        return false;
    if (!MoveTo(kTownMenuWidget, entry, true)) return false;
    driver_.Press(kDecide);
    return true;
}

bool AutoPlayer::Leave() {
    driver_.Press(kCancel);
    return Expect(CurrentMode() == GameMode::kTown && Flow().menuState == TownState::kMenu,
                  "back in the town menu");
}

bool AutoPlayer::StartNewGame() {
    if (!Expect(CurrentMode() == GameMode::kTitle, "title expected")) return false;
    if (!MoveTo(kTitleMenu, 0, false)) return false;
    driver_.Press(kDecide);
    if (!Expect(CurrentMode() == GameMode::kTown, "a new game opens the town")) return false;
    NoteHoldings(record_, GameParty());
    return true;
}

bool AutoPlayer::SellJunk() {
    if (NextJunk(GameParty()) < 0) return true;
    if (!EnterFacility(3)) return false;
    PartyState& party = GameParty();
    for (int32_t n = 0; n < kMaxSales; ++n) {
        const int32_t index = NextJunk(party);
        if (index < 0) break;
        const int32_t tab = ListSource::kBagFirst + PawnTab(party.inventory[size_t(index)]);
        for (int32_t k = 0; k < 4 && Flow().selection != tab; ++k) driver_.Press(kRight);
        if (!Expect(Flow().selection == tab, "pawn shop tab")) return false;
        const int32_t row = RowWithEntry(Widget(kPawnList), index);
        if (!Expect(row >= 0, "junk on the pawn shop list") || !MoveTo(kPawnList, row, false)) return false;
        const size_t before = party.inventory.size();
        const int32_t run = JunkRun(party, index);
        driver_.Press(run > 1 ? kSellAll : kDecide);
        if (!Expect(party.inventory.size() + size_t(run) == before, "a sale")) return false;
        record_.sales += run;
    }
    return Leave();
}

bool AutoPlayer::HireCards() {
    if (NextHire(GameParty()) < 0) return true;
    if (!EnterFacility(6)) return false;
    for (int32_t n = 0; n < kCharacterCapacity; ++n) {
        const int32_t character = NextHire(GameParty());
        if (character < 0) break;
        const int32_t row = RowWithEntry(Widget(kTavernList), character);
        if (!Expect(row >= 0, "card on the tavern list") || !MoveTo(kTavernList, row, false)) return false;
        driver_.Press(kDecide);
        if (!Expect(GameParty().hired[size_t(character)] != 0, "a hire")) return false;
        ++record_.hires;
    }
    return Leave();
}

bool AutoPlayer::BuyGoods() {
    if (NextPurchase(GameParty()) < 0) return true;
    if (!EnterFacility(2)) return false;
    for (int32_t n = 0; n < kMaxPurchases; ++n) {
        const int32_t offer = NextPurchase(GameParty());
        if (offer < 0) break;
        if (!MoveTo(kShopList, RowWithEntry(Widget(kShopList), offer), false)) return false;
        const size_t before = GameParty().shopStock.size();
        driver_.Press(kDecide);
        if (!Expect(GameParty().shopStock.size() + 1 == before, "a purchase")) return false;
        ++record_.purchases;
    }
    NoteHoldings(record_, GameParty());
    return Leave();
}

bool AutoPlayer::Synthesise() {
    if (NextSynthesis(GameParty()) < 0) return true;
    if (!EnterFacility(4)) return false;
    GameFlow& flow = Flow();
    for (int32_t n = 0; n < kMaxSyntheses; ++n) {
        const int32_t product = NextSynthesis(GameParty());
        if (product < 0) break;
        const int32_t tab = SynthesisTab(product);
        for (int32_t k = 0; k < kSynthesisTabs && flow.tab != tab; ++k) driver_.Press(kRight);
        const int32_t row = RowWithEntry(Widget(kRecipeList), product);
        if (!Expect(row >= 0, "recipe on the synthesis list") || !MoveTo(kRecipeList, row, false)) return false;
        driver_.Press(kDecide);
        // Fill the first empty slot with the best material each time.
        for (int32_t k = 0; k < 16 && flow.subState == 1; ++k) {
            const std::vector<SynthesisSlot>& slots = flow.synthesis.slots;
            int32_t empty = 0;
            while (empty < static_cast<int32_t>(slots.size()) && slots[size_t(empty)].filled != 0) ++empty;
            if (!MoveTo(kSlotList, empty, false)) return false;
            driver_.Press(kDecide);
            if (!Expect(flow.subState == 2 && Widget(kMaterialList).HasEntries(), "materials for the slot"))
                return false;
            driver_.Press(kDecide);
        }
        if (!Expect(flow.subState == 3, "synthesis confirmation")) return false;
        const int32_t goldBefore = GameParty().gold;
        driver_.Press(kDecide);
        if (!Expect(flow.subState == 0 && GameParty().gold == goldBefore - RecipeTable()[size_t(product)].fee,
                    "a synthesis paid for"))
            return false;
        ++record_.syntheses;
    }
    NoteHoldings(record_, GameParty());
    return Leave();
}

bool AutoPlayer::SetHunts() {
    const PartyState& party = GameParty();
    const ExpeditionState& expedition = GameExpedition();
    auto wanted = [&](int32_t quest) {
        return WantHunt(party, expedition, quest, 2 * record_.quests[size_t(quest)].losses);
    };
    bool change = false;
    for (int32_t q = 0; q < kQuestCapacity; ++q)
        if (party.notices[size_t(q)] == Holding::kCarried && (expedition.hunt[size_t(q)] != 0) != wanted(q))
            change = true;
    if (!change) return true;
    if (!EnterFacility(5)) return false;
    const ListWidget& list = Widget(kNoticeList);
    for (int32_t row = 0; row < list.Count(); ++row) {
        const int32_t quest = list.EntryAt(row);
        if ((expedition.hunt[size_t(quest)] != 0) == wanted(quest)) continue;
        if (!MoveTo(kNoticeList, row, false)) return false;
        driver_.Press(kDecide);
        if (!Expect((expedition.hunt[size_t(quest)] != 0) == wanted(quest), "a hunt switched")) return false;
        int32_t& huntLevel = record_.quests[size_t(quest)].huntLevel;
        if (expedition.hunt[size_t(quest)] != 0 && huntLevel == 0) huntLevel = party.level;
    }
    return Leave();
}

bool AutoPlayer::SaveNow() {
    if (!EnterFacility(7)) return false;
    lastSlot_ = record_.saves % kSaveSlotsUsed;
    if (!MoveTo(kSaveList, lastSlot_, false)) return false;
    driver_.Press(kDecide);
    if (!Expect(Flow().saveMessage.Empty(), "the save was written")) return false;
    ++record_.saves;
    return Leave();
}

// As when the program is started again: fresh state, the title, and the
// slot loaded through "つづきから". What was saved must come back.
bool AutoPlayer::RestartAndLoad(int32_t slot) {
    const PartyState saved = GameParty();
    const ExpeditionState savedExpedition = GameExpedition();
    GameParty() = PartyState{};
    GameExpedition() = ExpeditionState{};
    GameBattle() = BattleState{};
    BuildCharacters();
    Flow() = GameFlow{};
    SetUpWidgets();
    Flow().modeStack = {GameMode::kTitle};
    if (!MoveTo(kTitleMenu, 1, false)) return false;
    driver_.Press(kDecide);
    if (!Expect(Flow().menuState == 1, "the slot list") || !MoveTo(kSaveList, slot, false)) return false;
    driver_.Press(kDecide);
    if (!Expect(CurrentMode() == GameMode::kTown, "a loaded game opens the town")) return false;
    const PartyState& loaded = GameParty();
    const bool same = loaded.level == saved.level && loaded.gold == saved.gold &&
                      loaded.inventory == saved.inventory && loaded.members == saved.members &&
                      loaded.carried == saved.carried && loaded.shopStock == saved.shopStock &&
                      GameExpedition().clearLevel == savedExpedition.clearLevel &&
                      GameExpedition().checkpoints == savedExpedition.checkpoints;
    if (!Expect(same, "the loaded game differs from the saved one")) return false;
    ++record_.reloads;
    return true;
}

bool AutoPlayer::TownRound() {
    // Hire and choose the party first: the goods are weighed for its members.
    if (!HireCards() || !EnterCamp() || !ArrangeParty() || !EquipBest() || !LeaveCamp()) return false;
    if (!SellJunk() || !BuyGoods() || !Synthesise()) return false;
    if (!EnterCamp() || !EquipBest() || !FillCarriedSlots() || !LeaveCamp()) return false;
    if (!SellJunk() || !SetHunts()) return false;
    if (options_.saveEvery > 0 && record_.expeditions > 0 && record_.expeditions % options_.saveEvery == 0) {
        if (!SaveNow()) return false;
        if (options_.reloadEvery > 0 && record_.saves % options_.reloadEvery == 0 &&
            !RestartAndLoad(lastSlot_))
            return false;
    }
    return true;
}
