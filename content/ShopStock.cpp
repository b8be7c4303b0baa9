#include "content/ShopStock.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "content/Items.h"

namespace {

constexpr int32_t kOwnPrice = -1;
constexpr int32_t kNoRamp = 1000;  // rows of one fixed quality never ramp

void Add(int32_t goods, int32_t base, int32_t spread, int32_t minProgress, int32_t maxProgress,
         int32_t chance, int32_t price) {
    ShopStockTable().push_back({goods, base, spread, minProgress, maxProgress, chance, price});
}

// Everyday goods at the item's own price; their quality ramps up until 29
// quests are defeated. Columns: goods, base, spread, progress from, to,
// chance, price.
constexpr ShopRow kEveryday[] = {
    {1040, 0, 80, 0, 29, 2000, kOwnPrice},  // copper ore
    {1060, 0, 80, 0, 29, 2000, kOwnPrice},  // old tome
    {1070, 0, 80, 0, 29, 2000, kOwnPrice},  // old bracelet
    {113, 0, 80, 0, 29, 2000, kOwnPrice},   // magic shell
    {121, 0, 80, 0, 29, 2000, kOwnPrice},   // element shells
    {125, 0, 80, 0, 29, 2000, kOwnPrice},
    {129, 0, 80, 0, 29, 2000, kOwnPrice},
    {133, 0, 80, 0, 29, 2000, kOwnPrice},
    {137, 0, 80, 0, 29, 2000, kOwnPrice},
    {141, 0, 80, 0, 29, 2000, kOwnPrice},
    {145, 0, 80, 0, 29, 2000, kOwnPrice},
    {418, 0, 80, 5, 29, 2000, kOwnPrice},   // element melts, once five quests are done
    {424, 0, 80, 5, 29, 2000, kOwnPrice},
    {430, 0, 80, 5, 29, 2000, kOwnPrice},
    {436, 0, 80, 5, 29, 2000, kOwnPrice},
    {442, 0, 80, 5, 29, 2000, kOwnPrice},
    {448, 0, 80, 5, 29, 2000, kOwnPrice},
    {454, 0, 80, 5, 29, 2000, kOwnPrice},
};

// The first weapons of each line at quality 100, dearer as progress rises.
constexpr int32_t kWeaponLines[] = {560, 650, 710};
constexpr int32_t kFineWeaponProgress[] = {0, 10, 20, 30};
constexpr int32_t kFineWeaponPrices[] = {20000, 50000, 100000, 200000};

// A treasure offered at rising quality for rising progress.
constexpr int32_t kTreasure = 900;  // 勇者の紋章
constexpr int32_t kTreasureQuality[] = {10, 20, 30, 50, 70, 90};
constexpr int32_t kTreasureProgress[] = {10, 20, 30, 50, 80, 100};
constexpr int32_t kTreasurePrices[] = {40000, 70000, 100000, 200000, 400000, 800000};

// Stones of every element and the rainbow set at quality 90, by grade.
// The finest come with the areas where their element rules: the plain
// ones by the mountain, darkness after the sea, light in the castle, and
// the rainbow set once every rated quest is done (140).
constexpr int32_t kStoneProgress[8][4] = {
    {5, 15, 30, 50},   // 無
    {5, 15, 30, 60},   // 火
    {5, 15, 35, 70},   // 氷
    {5, 15, 35, 80},   // 雷
    {5, 15, 40, 90},   // 風
    {5, 20, 70, 120},  // 光
    {5, 20, 60, 105},  // 闇
    {10, 40, 110, 140},  // 虹
};
constexpr int32_t kStonePrices[] = {30000, 80000, 180000, 400000};

// Recipes the shop can teach: every consumable and book, fifteen weapons
// of each line, and the first grades of accessories; not the recipes a new
// game starts with (火の書, ブロンズソード, ショートボウ).
// Columns: first product, last product, step.
struct ProductRun {
    int32_t first, last, step;
};
constexpr ProductRun kTaughtRecipes[] = {
    {1, 163, 1},   {200, 208, 1}, {210, 262, 1}, {562, 576, 1}, {652, 666, 1},
    {711, 725, 1}, {750, 751, 1}, {754, 778, 4}, {755, 779, 4}, {782, 790, 4},
    {794, 818, 4}, {822, 832, 2},
};

// A recipe's price and the progress it waits for follow what its product
// is worth at quality 50 (the shop is built before the recipe rows).
int32_t Worth(int32_t product) { return GoodsPrice(PackItem(product, 50)); }

// Three quarters of the worth, kept to two leading digits.
int32_t RecipePrice(int32_t worth) {
    int32_t price = worth / 4 * 3;
    if (price < 500) return 500;
    if (price > 300000) return 300000;
    int32_t unit = 1;
    while (price / unit >= 100) unit *= 10;
    return price / unit * unit;
}

// An R book strikes three times, so against a lone foe it does the work of
// three: the shop teaches those only once the first two areas are behind.
constexpr int32_t kBookFirst = 200, kBookLast = 262, kBooksPerElement = 9, kFirstThreeHit = 6;
constexpr int32_t kThreeHitProgress[] = {45, 60, 80};

int32_t RecipeProgress(int32_t worth) {
    struct Step {
        int32_t worth, progress;
    };
    constexpr Step kSteps[] = {{2000, 2},    {5000, 3},    {10000, 5},   {20000, 10},
                               {40000, 20},  {80000, 35},  {150000, 50}, {300000, 70}};
    for (const Step& s : kSteps)
        if (worth <= s.worth) return s.progress;
    return 90;
}

// Two quest certificates of the first area, for parties that want more
// to hunt (a new game holds those of quests 0 and 1).
constexpr ShopRow kCertificates[] = {
    {2605, 0, 0, 1, kNoRamp, 500, 3000},
    {2606, 0, 0, 3, kNoRamp, 500, 5000},
};

}  // namespace

void BuildShopStock() {
    ShopStockTable().clear();
    for (const ShopRow& row : kEveryday) ShopStockTable().push_back(row);
    for (int32_t first : kWeaponLines) {
        Add(first, 0, 80, 0, 19, 1000, kOwnPrice);
        for (int32_t i = 0; i < 4; ++i)
            Add(first + i, 100, 0, kFineWeaponProgress[i], kNoRamp, 50, kFineWeaponPrices[i]);
    }
    for (int32_t i = 0; i < 6; ++i)
        Add(kTreasure, kTreasureQuality[i], 0, kTreasureProgress[i], kNoRamp, 500, kTreasurePrices[i]);
    for (int32_t set = 0; set < 8; ++set)
        for (int32_t grade = 0; grade < 4; ++grade)
            Add(1000 + 4 * set + grade, 90, 0, kStoneProgress[set][grade], kNoRamp, 300,
                kStonePrices[grade]);
    for (const ProductRun& run : kTaughtRecipes) {
        for (int32_t product = run.first; product <= run.last; product += run.step) {
            const int32_t worth = Worth(product);
            int32_t progress = RecipeProgress(worth);
            const int32_t grade = (product - kBookFirst) % kBooksPerElement;
            if (product >= kBookFirst && product <= kBookLast && grade >= kFirstThreeHit)
                progress = std::max(progress, kThreeHitProgress[grade - kFirstThreeHit]);
            Add(GoodsRange::kRecipeFirst + product, 0, 0, progress, kNoRamp, 500, RecipePrice(worth));
        }
    }
    for (const ShopRow& row : kCertificates) ShopStockTable().push_back(row);
}
