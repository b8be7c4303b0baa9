#include "tools/autoplay/TownPlan.h"

#include <algorithm>
#include <map>

#include "content/ContentDatabase.h"
#include "content/Items.h"
#include "rules/Equipment.h"
#include "rules/PawnShop.h"
#include "rules/Synthesis.h"

namespace {

constexpr int32_t kKeepMaterials = 8;   // of one id a held recipe uses
constexpr int32_t kKeepUsables = 6;     // of one usable id beyond what is carried

bool MagicUser(int32_t character) {
    const CharacterData& row = CharacterById(character);
    return row.params.Base(BaseParam::kMag) > row.params.Base(BaseParam::kAtk);
}

double ParamWorth(int32_t character, const ParamBlock& p) {
    const bool magic = MagicUser(character);
    double worth = p.Base(BaseParam::kHp) / 4.0 +
                   2.0 * (magic ? p.Base(BaseParam::kMag) : p.Base(BaseParam::kAtk)) +
                   0.5 * (magic ? p.Base(BaseParam::kAtk) : p.Base(BaseParam::kMag)) +
                   0.5 * (p.Base(BaseParam::kHit) + p.Base(BaseParam::kCri) +
                          p.Base(BaseParam::kAvo) + p.Base(BaseParam::kLuck)) +
                   p.Base(BaseParam::kSp);
    return worth;
}

bool IsWear(PackedItem item) {
    const GoodsKind kind = ClassifyGoods(PackedGoodsId(item));
    return kind == GoodsKind::kWeapon || kind == GoodsKind::kAccessory;
}

bool Held(const PartyState& party, int32_t goodsId) {
    const int32_t* flag = HoldingFlag(party, goodsId);
    return flag != nullptr && *flag != Holding::kNone;
}

// Ingredient ids of every recipe the party carries, with how many one
// making takes.
std::map<int32_t, int32_t> WantedIngredients(const PartyState& party) {
    std::map<int32_t, int32_t> wanted;
    for (int32_t product = 0; product < kItemCapacity; ++product) {
        if (party.recipes[size_t(product)] != Holding::kCarried) continue;
        std::map<int32_t, int32_t> one;
        for (const WeightedId& w : RecipeTable()[size_t(product)].ingredients) ++one[w.id];
        for (auto [id, n] : one) wanted[id] = std::max(wanted[id], n);
    }
    return wanted;
}

// The accessory worth a new one must beat for this member: the weakest of
// the four best among those worn and those waiting in the inventory.
double AccessoryBar(const PartyState& party, int32_t character) {
    std::vector<double> values;
    const CharacterData& row = CharacterById(character);
    for (int32_t slot = 1; slot < CharacterData::kEquipmentSlots; ++slot)
        values.push_back(EquipValue(character, row.equipment[size_t(slot)]));
    for (PackedItem item : party.inventory)
        if (ClassifyGoods(PackedGoodsId(item)) == GoodsKind::kAccessory)
            values.push_back(EquipValue(character, item));
    std::sort(values.rbegin(), values.rend());
    return values[3];
}

double WeaponBar(const PartyState& party, int32_t character) {
    double bar = EquipValue(character, CharacterById(character).equipment[0]);
    for (PackedItem item : party.inventory)
        if (FitsSlot(character, 0, item)) bar = std::max(bar, EquipValue(character, item));
    return bar;
}

std::vector<PackedItem> CarriedAndWaiting(const PartyState& party) {
    std::vector<PackedItem> all;
    for (PackedItem item : party.carried)
        if (item != 0) all.push_back(item);
    for (PackedItem item : party.inventory)
        if (ClassifyGoods(PackedGoodsId(item)) == GoodsKind::kConsumable) all.push_back(item);
    return all;
}

// The worth a usable item must beat to be carried: the 12th best there is.
double CarryBar(const PartyState& party) {
    std::vector<double> worths;
    for (PackedItem item : CarriedAndWaiting(party)) worths.push_back(CarryWorth(item));
    if (worths.size() < size_t(kCarriedSlots)) return 0;
    std::sort(worths.rbegin(), worths.rend());
    return worths[size_t(kCarriedSlots - 1)];
}

bool HasHealing(int32_t character) {
    for (int32_t skill : ComputeBattleParams(character).skills)
        if (SkillById(skill).type == SkillType::kRecovery &&
            SkillById(skill).subtype == RecoveryPool::kHp)
            return true;
    return false;
}

// The quality a synthesis gives with the best materials at hand; -1 when
// some ingredient is missing.
int32_t SynthesisQuality(const PartyState& party, int32_t product) {
    std::map<int32_t, std::vector<int32_t>> qualities;  // id -> best first
    for (PackedItem item : party.inventory) qualities[PackedGoodsId(item)].push_back(PackedQuality(item));
    for (auto& [id, list] : qualities) std::sort(list.rbegin(), list.rend());
    std::map<int32_t, size_t> used;
    int32_t quality = 0;
    for (const WeightedId& w : RecipeTable()[size_t(product)].ingredients) {
        const std::vector<int32_t>& list = qualities[w.id];
        size_t& n = used[w.id];
        if (n >= list.size()) return -1;
        quality += list[n++] * w.weight / 100;
    }
    return std::clamp(quality, 0, 100);
}

}  // namespace

double EquipValue(int32_t character, PackedItem item) {
    if (item == 0 || !IsWear(item)) return 0;
    const ItemData data = MakeItemData(PackedGoodsId(item), PackedQuality(item));
    double worth = ParamWorth(character, data.params);
    for (int32_t k = 0; k < AbilityParam::kCount; ++k) worth += 0.3 * std::max(data.params.Ability(k), 0);
    for (int32_t skill : data.grantedSkills) worth += skill > 0 ? 15 : 0;
    return worth;
}

double Strength(int32_t character) {
    const BattleParams computed = ComputeBattleParams(character);
    return ParamWorth(character, computed.params);
}

std::optional<EquipMove> BestEquipMove(const PartyState& party) {
    std::optional<EquipMove> best;
    for (size_t position = 0; position < party.members.size(); ++position) {
        const int32_t character = party.members[position];
        const CharacterData& row = CharacterById(character);
        // The weakest accessory slot is the one to replace.
        int32_t weakest = 1;
        for (int32_t slot = 2; slot < CharacterData::kEquipmentSlots; ++slot)
            if (EquipValue(character, row.equipment[size_t(slot)]) <
                EquipValue(character, row.equipment[size_t(weakest)]))
                weakest = slot;
        for (PackedItem item : party.inventory) {
            int32_t slot = -1;
            if (FitsSlot(character, 0, item)) slot = 0;
            else if (FitsSlot(character, weakest, item)) slot = weakest;
            if (slot < 0) continue;
            const double gain = EquipValue(character, item) - EquipValue(character, row.equipment[size_t(slot)]);
            if (gain > 0.5 && (!best || gain > best->gain))
                best = EquipMove{static_cast<int32_t>(position), slot, item, gain};
        }
    }
    return best;
}

double UpgradeGain(const PartyState& party, PackedItem item) {
    double gain = 0;
    const GoodsKind kind = ClassifyGoods(PackedGoodsId(item));
    for (int32_t character : party.members) {
        if (kind == GoodsKind::kWeapon && CanEquip(character, item))
            gain = std::max(gain, EquipValue(character, item) - WeaponBar(party, character));
        else if (kind == GoodsKind::kAccessory)
            gain = std::max(gain, EquipValue(character, item) - AccessoryBar(party, character));
    }
    return gain;
}

double CarryWorth(PackedItem item) {
    if (ClassifyGoods(PackedGoodsId(item)) != GoodsKind::kConsumable) return 0;
    const SkillData skill = MakeConsumable(PackedGoodsId(item), PackedQuality(item));
    const double uses = std::max(skill.itemUses, 0);
    const bool all = skill.targetKind == TargetKind::kAll;
    switch (skill.type) {
        case SkillType::kRevive: return 30.0 * uses;
        case SkillType::kRecovery:
            if (skill.subtype == RecoveryPool::kHp) return skill.power / 100.0 * uses * (all ? 3 : 1) * 2;
            if (skill.subtype == RecoveryPool::kAll) return skill.power * uses * (all ? 3 : 1);
            return 0;
        case SkillType::kPhysical:
        case SkillType::kMagic:
        case SkillType::kBreath:
        case SkillType::kFixed:
            if (skill.targetKind != TargetKind::kOne && !all && skill.targetKind != TargetKind::kRandom)
                return 0;
            return skill.power / 100.0 * std::max(skill.hits, 1) * uses * (all ? 2 : 1) * 0.5;
        default: return 0;
    }
}

std::optional<CarryMove> BestCarryMove(const PartyState& party) {
    int32_t weakestSlot = 0;
    for (int32_t slot = 1; slot < kCarriedSlots; ++slot)
        if (CarryWorth(party.carried[size_t(slot)]) < CarryWorth(party.carried[size_t(weakestSlot)]))
            weakestSlot = slot;
    const double bar = CarryWorth(party.carried[size_t(weakestSlot)]);
    std::optional<CarryMove> best;
    double bestWorth = bar * 1.05 + 0.01;
    for (PackedItem item : party.inventory) {
        const double worth = CarryWorth(item);
        if (worth > bestWorth) {
            bestWorth = worth;
            best = CarryMove{weakestSlot, item};
        }
    }
    return best;
}

int32_t NextJunk(const PartyState& party) {
    const std::map<int32_t, int32_t> wanted = WantedIngredients(party);
    const double carryBar = CarryBar(party);
    std::map<int32_t, int32_t> seen;  // id -> entries kept so far (best quality first)
    std::vector<int32_t> hiredList;
    for (int32_t c = 0; c < kCharacterCapacity; ++c)
        if (party.hired[size_t(c)] != 0) hiredList.push_back(c);
    for (size_t i = 0; i < party.inventory.size(); ++i) {
        const PackedItem item = party.inventory[i];
        const int32_t id = PackedGoodsId(item);
        const int32_t count = ++seen[id];
        if (PawnPrice(item) <= 0) continue;  // nothing to gain
        const auto want = wanted.find(id);
        const int32_t keepForRecipes = want == wanted.end() ? 0 : std::max(want->second * 2, kKeepMaterials);
        switch (ClassifyGoods(id)) {
            case GoodsKind::kWeapon:
            case GoodsKind::kAccessory: {
                bool useful = false;
                for (int32_t c : hiredList) {
                    const CharacterData& row = CharacterById(c);
                    const double value = EquipValue(c, item);
                    if (ClassifyGoods(id) == GoodsKind::kWeapon) {
                        useful = useful || (CanEquip(c, item) && value > EquipValue(c, row.equipment[0]));
                    } else {
                        for (int32_t s = 1; s < CharacterData::kEquipmentSlots; ++s)
                            useful = useful || value > EquipValue(c, row.equipment[size_t(s)]);
                    }
                }
                if (!useful && count > keepForRecipes) return static_cast<int32_t>(i);
                break;
            }
            case GoodsKind::kMaterial:
                if (count > keepForRecipes) return static_cast<int32_t>(i);
                break;
            case GoodsKind::kConsumable: {
                const bool carriable = CarryWorth(item) > 0 && CarryWorth(item) >= carryBar;
                if (!carriable && count > std::max(keepForRecipes, want == wanted.end() ? 0 : kKeepUsables))
                    return static_cast<int32_t>(i);
                break;
            }
            default: break;
        }
    }
    return -1;
}

int32_t NextPurchase(const PartyState& party) {
    int32_t best = -1;
    double bestScore = 0;
    const double carryBar = CarryBar(party);
    for (size_t row = 0; row < party.shopStock.size(); ++row) {
        const ShopOffer& offer = party.shopStock[row];
        if (offer.price < 0 || offer.price > party.gold) continue;
        const int32_t id = PackedGoodsId(offer.item);
        double score = 0;
        switch (ClassifyGoods(id)) {
            case GoodsKind::kCard:
                if (!Held(party, id) && party.hired[size_t(GoodsIndex(id))] == 0) score = 1e6;
                break;
            case GoodsKind::kMap:
            case GoodsKind::kCertificate:
                if (!Held(party, id)) score = 1e6;
                break;
            case GoodsKind::kWeapon:
            case GoodsKind::kAccessory: {
                const double gain = UpgradeGain(party, offer.item);
                if (gain > 1) score = 1e3 * gain / std::max(offer.price, 1);
                break;
            }
            case GoodsKind::kConsumable: {
                const double worth = CarryWorth(offer.item);
                if (worth > carryBar * 1.05 && offer.price * 2 <= party.gold)
                    score = worth / std::max(offer.price, 1);
                break;
            }
            case GoodsKind::kRecipe:
                if (!Held(party, id) && offer.price * 3 <= party.gold) score = 0.001;
                break;
            default: break;
        }
        if (score > bestScore) {
            bestScore = score;
            best = static_cast<int32_t>(row);
        }
    }
    return best;
}

int32_t SynthesisTab(int32_t product) {
    switch (ClassifyGoods(product)) {
        case GoodsKind::kWeapon: return 1;
        case GoodsKind::kAccessory: return 2;
        case GoodsKind::kMaterial: return 3;
        default: return 0;
    }
}

int32_t NextSynthesis(const PartyState& party) {
    const double carryBar = CarryBar(party);
    int32_t best = -1;
    double bestScore = 0;
    for (int32_t tab = 0; tab < kSynthesisTabs; ++tab) {
        for (int32_t product : SynthesisTabRecipes(party, tab)) {
            if (RecipeTable()[size_t(product)].fee > party.gold) continue;
            const int32_t quality = SynthesisQuality(party, product);
            if (quality < 0) continue;
            const PackedItem made = PackItem(product, quality);
            double score = 0;
            if (tab == 0) {
                const double worth = CarryWorth(made);
                if (worth > carryBar * 1.05) score = worth;
            } else if (tab == 1 || tab == 2) {
                score = UpgradeGain(party, made);
            }
            if (score > bestScore) {
                bestScore = score;
                best = product;
            }
        }
    }
    return best;
}

std::vector<int32_t> ChooseParty(const PartyState& party) {
    std::vector<std::pair<double, int32_t>> ranked;
    for (int32_t c = 0; c < kCharacterCapacity; ++c)
        if (party.hired[size_t(c)] != 0) ranked.emplace_back(Strength(c), c);
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<int32_t> chosen;
    for (const auto& [strength, c] : ranked)
        if (chosen.size() < size_t(kMaxPartySize)) chosen.push_back(c);
    // A healer outside the four takes the weakest place.
    const bool healer = std::any_of(chosen.begin(), chosen.end(), HasHealing);
    if (!healer && chosen.size() == size_t(kMaxPartySize)) {
        for (const auto& [strength, c] : ranked) {
            if (std::find(chosen.begin(), chosen.end(), c) != chosen.end() || !HasHealing(c)) continue;
            chosen.back() = c;
            break;
        }
    }
    return chosen;
}

int32_t NextHire(const PartyState& party) {
    int32_t best = -1;
    for (int32_t c = 0; c < kCharacterCapacity; ++c) {
        if (party.cards[size_t(c)] != Holding::kCarried || party.hired[size_t(c)] != 0) continue;
        const int32_t fee = CharacterById(c).hireFee;
        if (fee > party.gold) continue;
        // A full party hires only with gold to spare.
        if (party.members.size() >= size_t(kMaxPartySize) && fee * 2 > party.gold) continue;
        if (best < 0 || fee < CharacterById(best).hireFee) best = c;
    }
    return best;
}
