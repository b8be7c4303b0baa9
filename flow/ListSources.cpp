#include "flow/ListSources.h"

#include <array>
#include <vector>

#include "content/ContentDatabase.h"
#include "content/PackedItem.h"
#include "flow/GameFlow.h"
#include "flow/RowFormats.h"
#include "flow/SaveSlots.h"
#include "rules/BattleState.h"
#include "rules/CommandInput.h"
#include "rules/Equipment.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"
#include "rules/Synthesis.h"

namespace {

// Item id ranges of the four goods tabs: usable items, weapons,
// accessories, materials.
struct IdRange {
    int32_t first;
    int32_t end;
    bool Holds(PackedItem item) const {
        const int32_t id = PackedGoodsId(item);
        return id >= first && id < end;
    }
};
constexpr std::array<IdRange, 4> kTabRanges{
    {{0, GoodsRange::kWeaponFirst},
     {GoodsRange::kWeaponFirst, GoodsRange::kAccessoryFirst},
     {GoodsRange::kAccessoryFirst, GoodsRange::kMaterialFirst},
     {GoodsRange::kMaterialFirst, GoodsRange::kRecipeFirst}}};

void AddGoods(ListWidget& list, const std::vector<PackedItem>& goods, int32_t tab) {
    for (size_t i = 0; i < goods.size(); ++i)
        if (kTabRanges[static_cast<size_t>(tab)].Holds(goods[i]))
            list.Add(static_cast<int32_t>(i), goods[i]);
}

template <size_t N>
void AddHoldings(ListWidget& list, const std::array<int32_t, N>& flags, int32_t firstId,
                 int32_t holding) {
    for (size_t n = 0; n < N; ++n)
        if (flags[n] == holding)
            list.Add(static_cast<int32_t>(n), PackItem(firstId + static_cast<int32_t>(n), 0));
}

// Tabs 4-7 of the bag and the storage: recipes, maps, cards, bounty records.
void AddRecords(ListWidget& list, const PartyState& party, int32_t tab, int32_t holding) {
    switch (tab) {
        case 4: AddHoldings(list, party.recipes, GoodsRange::kRecipeFirst, holding); break;
        case 5: AddHoldings(list, party.maps, GoodsRange::kMapFirst, holding); break;
        case 6: AddHoldings(list, party.cards, GoodsRange::kCardFirst, holding); break;
        case 7: AddHoldings(list, party.notices, GoodsRange::kCertificateFirst, holding); break;
        default: break;
    }
}

void AddCommands(ListWidget& list) {
    const std::vector<int32_t>& commands = GameBattle().commands;
    for (size_t i = 0; i < commands.size(); ++i) {
        const int32_t command = commands[i];
        if (command >= kItemCommandBase)
            list.Add(command - kItemCommandBase, command);
        else
            list.Add(static_cast<int32_t>(i), command);
    }
}

// Source 10-13: "なし" first, then the inventory entries of one range; the
// weapons only those the member being equipped can wield.
void AddEquipChoices(ListWidget& list, const PartyState& party, int32_t tab) {
    list.Add(-1, 0);
    int32_t member = -1;
    const int32_t position = Flow().menuState;
    if (position >= 0 && position < static_cast<int32_t>(party.members.size()))
        member = party.members[static_cast<size_t>(position)];
    for (size_t i = 0; i < party.inventory.size(); ++i) {
        const PackedItem item = party.inventory[i];
        if (!kTabRanges[static_cast<size_t>(tab)].Holds(item)) continue;
        if (tab == 1 && (member < 0 || !FitsSlot(member, 0, item))) continue;
        list.Add(static_cast<int32_t>(i), item);
    }
}

void AddIngredients(ListWidget& list) {
    const int32_t product = Flow().synthesis.product;
    if (product < 0 || product >= kItemCapacity) return;
    const std::vector<WeightedId>& ingredients =
        RecipeTable()[static_cast<size_t>(product)].ingredients;
    for (size_t row = 0; row < ingredients.size(); ++row)
        list.Add(static_cast<int32_t>(row), ingredients[row].id);
}

void AddMaterials(ListWidget& list, const PartyState& party) {
    const int32_t material = Flow().selection;
    for (size_t i = 0; i < party.inventory.size(); ++i)
        if (PackedGoodsId(party.inventory[i]) == material)
            list.Add(static_cast<int32_t>(i), party.inventory[i]);
    // Best quality first: the low byte holds 100 - quality.
    list.SortBySecond();
}

void AddSaveSlots(ListWidget& list) {
    for (int32_t slot = 0; slot < kSlotCount; ++slot) {
        SlotSummary summary;
        const bool inUse = ReadSlotSummary(slot, summary);
        summary.inUse = inUse ? 1 : 0;
        SlotSummaries()[static_cast<size_t>(slot)] = summary;
        list.Add(slot, slot);
    }
}

void AddEntries(ListWidget& list, int32_t source) {
    const PartyState& party = GameParty();
    switch (source) {
        case ListSource::kAreas:
            list.SetRowFormat(RowFormat::kArea);
            for (int32_t area = 0; area < kAreaCapacity; ++area)
                if (party.maps[static_cast<size_t>(area)] == Holding::kCarried)
                    list.Add(area, area);
            return;
        case ListSource::kCommands: AddCommands(list); return;
        case ListSource::kAddMember:
            for (int32_t c = 0; c < kCharacterCapacity; ++c)
                if (party.hired[static_cast<size_t>(c)] != 0 && !IsInParty(party, c))
                    list.Add(c, c);
            return;
        case ListSource::kDepths: {
            const ExpeditionState& expedition = GameExpedition();
            const std::vector<int32_t> depths = StartDepths(expedition, expedition.area);
            for (size_t i = 0; i < depths.size(); ++i) list.Add(static_cast<int32_t>(i), depths[i]);
            return;
        }
        case ListSource::kCarriedSlots:
            for (int32_t slot = 0; slot < kCarriedSlots; ++slot)
                list.Add(slot, party.carried[static_cast<size_t>(slot)]);
            return;
        case ListSource::kShopStock:
            for (size_t row = 0; row < party.shopStock.size(); ++row)
                list.Add(static_cast<int32_t>(row), static_cast<int32_t>(row));
            return;
        case ListSource::kTavern:
            for (int32_t c = 0; c < kCharacterCapacity; ++c)
                if (party.cards[static_cast<size_t>(c)] == Holding::kCarried &&
                    party.hired[static_cast<size_t>(c)] == 0)
                    list.Add(c, c);
            return;
        case ListSource::kIngredients: AddIngredients(list); return;
        case ListSource::kMaterials: AddMaterials(list, party); return;
        case ListSource::kSaveSlots: AddSaveSlots(list); return;
        default: break;
    }
    if (source >= ListSource::kEquipFirst && source < ListSource::kEquipFirst + 4) {
        AddEquipChoices(list, party, source - ListSource::kEquipFirst);
    } else if (source >= ListSource::kBagFirst && source < ListSource::kBagFirst + 8) {
        const int32_t tab = source - ListSource::kBagFirst;
        if (tab < 4)
            AddGoods(list, party.inventory, tab);
        else
            AddRecords(list, party, tab, Holding::kCarried);
    } else if (source >= ListSource::kStorageFirst && source < ListSource::kStorageFirst + 8) {
        const int32_t tab = source - ListSource::kStorageFirst;
        if (tab < 4)
            AddGoods(list, party.storage, tab);
        else
            AddRecords(list, party, tab, Holding::kStored);
    } else if (source >= ListSource::kRecipesFirst &&
               source < ListSource::kRecipesFirst + kSynthesisTabs) {
        for (int32_t product : SynthesisTabRecipes(party, source - ListSource::kRecipesFirst))
            list.Add(product, PackItem(GoodsRange::kRecipeFirst + product, 0));
    }
}

}  // namespace

void FillList(int32_t widget, int32_t source, bool keep) {
    if (widget < 0 || widget >= kWidgetCount) return;
    ListWidget& list = Widget(widget);
    const int32_t firstRow = list.FirstRow();
    const int32_t cursor = list.Cursor();
    list.Clear();
    AddEntries(list, source);
    if (keep) list.RestorePosition(firstRow, cursor);
}
