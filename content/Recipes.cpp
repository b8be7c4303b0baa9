#include "content/Recipes.h"

#include <initializer_list>

#include "content/ContentDatabase.h"
#include "content/RowText.h"
#include "engine/text/Format.h"

namespace {

struct RecipeRow {
    int32_t product;
    int32_t fee;
    const char* ingredients;  // "id:share ..."
};

// Recipes written out one by one: weapons, accessories without a series,
// materials and the consumables that follow no series.
// Columns: product, fee, ingredients with their shares.
constexpr RecipeRow kRows[] = {
    // Full recovery and the all-ailment cures.
    {46, 100000, "1033:30 4:20 19:20 34:20 1124:10"},
    {47, 300000, "46:30 46:30 46:30 1194:10"},
    {66, 5000, "48:20 51:20 54:20 57:20 60:10 63:10"},
    {69, 20000, "66:40 1131:30 1102:30"},
    {72, 80000, "69:40 1132:30 1123:30"},
    // Revival.
    {75, 1000, "1170:40 1100:30 1120:30"},
    {76, 10000, "75:40 1172:30 1102:30"},
    {77, 50000, "76:40 1174:30 1104:30"},
    // Extinction tags.
    {396, 3000, "1210:40 1150:30 1061:30"},
    {397, 30000, "396:40 1211:30 1062:30"},
    {398, 20000, "396:40 396:40 1151:20"},
    {399, 200000, "397:40 397:40 1152:20"},
    // Swords: each from a lesser sword, a metal or stone, and a material.
    {560, 100, "1110:60 1155:40"},
    {561, 500, "560:40 1040:40 1110:20"},
    {562, 1500, "561:40 1041:40 1155:20"},
    {563, 4000, "562:40 1042:40 1160:20"},
    {564, 8000, "563:40 1005:30 1161:30"},
    {565, 10000, "563:40 1042:40 1180:20"},
    {566, 15000, "563:40 1043:40 1101:20"},
    {567, 18000, "566:40 1009:30 1176:30"},
    {568, 18000, "566:40 1013:30 1166:30"},
    {569, 18000, "566:40 1017:30 1171:30"},
    {570, 30000, "566:40 1046:40 1162:20"},
    {571, 35000, "570:40 1061:30 1001:30"},
    {572, 40000, "565:40 1046:30 1182:30"},
    {573, 45000, "570:40 1026:30 1211:30"},
    {574, 50000, "570:40 1022:30 1172:30"},
    {575, 55000, "572:40 1002:30 1112:30"},
    {576, 60000, "564:40 1006:30 1046:30"},
    {577, 60000, "567:40 1010:30 1046:30"},
    {578, 60000, "568:40 1014:30 1046:30"},
    {579, 60000, "569:40 1018:30 1046:30"},
    {580, 100000, "570:40 1047:40 1163:20"},
    {581, 150000, "580:40 1030:30 1220:30"},
    {582, 180000, "573:40 1047:30 1168:30"},
    {583, 30000, "566:40 1044:30 1132:30"},
    {584, 35000, "563:40 1045:30 1177:30"},
    {585, 90000, "580:40 1163:30 1178:30"},
    {586, 80000, "574:40 1023:30 1102:30"},
    {587, 100000, "585:40 1178:30 1183:30"},
    {588, 250000, "580:40 1132:30 1031:30"},
    {589, 300000, "582:40 1048:30 1169:30"},
    {590, 400000, "588:40 1049:30 1174:30"},
    {591, 500000, "586:40 1049:30 1104:30"},
    {592, 600000, "590:40 1050:30 1159:30"},
    {593, 800000, "581:40 1179:30 1221:30"},
    // Bows.
    {650, 100, "1110:60 1150:40"},
    {651, 500, "650:40 1110:30 1150:30"},
    {652, 1500, "651:40 1111:40 1151:20"},
    {653, 4000, "652:40 1180:30 1156:30"},
    {654, 8000, "653:40 1172:30 1131:30"},
    {655, 10000, "653:40 1041:40 1151:20"},
    {656, 15000, "655:40 1043:40 1151:20"},
    {657, 18000, "656:40 1005:30 1171:30"},
    {658, 20000, "656:40 1161:30 1157:30"},
    {659, 18000, "656:40 1009:30 1171:30"},
    {660, 18000, "656:40 1013:30 1171:30"},
    {661, 18000, "656:40 1017:30 1171:30"},
    {662, 30000, "656:40 1046:40 1152:20"},
    {663, 35000, "662:40 1112:30 1172:30"},
    {664, 45000, "662:40 1022:30 1173:30"},
    {665, 45000, "662:40 1026:30 1211:30"},
    {666, 50000, "664:40 1102:30 1062:30"},
    {667, 55000, "662:40 1182:30 1158:30"},
    {668, 50000, "663:40 1205:30 1206:30"},
    {669, 100000, "662:40 1047:40 1152:20"},
    {670, 90000, "664:40 1173:30 1103:30"},
    {671, 120000, "669:40 1132:30 1030:30"},
    {672, 130000, "669:40 1184:30 1178:30"},
    {673, 250000, "671:40 1133:30 1031:30"},
    {674, 200000, "670:40 1133:30 1113:30"},
    {675, 260000, "657:40 1007:30 1048:30"},
    {676, 230000, "667:40 1048:30 1169:30"},
    {677, 300000, "661:40 1019:30 1174:30"},
    {678, 500000, "673:40 1049:30 1134:30"},
    {679, 400000, "673:40 1220:30 1114:30"},
    {680, 700000, "678:40 1050:30 1199:30"},
    // Staves.
    {710, 100, "1110:70 1120:30"},
    {711, 500, "710:40 1111:40 1121:20"},
    {712, 1500, "711:40 1060:30 1001:30"},
    {713, 4000, "712:40 1005:40 1130:20"},
    {714, 4000, "712:40 1009:40 1130:20"},
    {715, 4000, "712:40 1013:40 1130:20"},
    {716, 4000, "712:40 1017:40 1130:20"},
    {717, 5000, "712:40 1121:30 1101:30"},
    {718, 10000, "712:40 1061:30 1112:30"},
    {719, 20000, "713:40 1006:30 1045:30"},
    {720, 18000, "715:40 1014:30 1209:30"},
    {721, 15000, "717:40 1131:30 1102:30"},
    {722, 30000, "718:40 1062:30 1113:30"},
    {723, 28000, "718:40 1132:30 1173:30"},
    {724, 35000, "721:40 1103:30 1022:30"},
    {725, 50000, "722:40 1062:30 1208:30"},
    {726, 45000, "722:40 1023:30 1173:30"},
    {727, 45000, "722:40 1027:30 1212:30"},
    {728, 100000, "725:40 1031:30 1197:30"},
    {729, 90000, "724:40 1104:30 1133:30"},
    {730, 150000, "728:40 1032:30 1114:30"},
    {731, 250000, "727:40 1199:30 1164:30"},
    {732, 400000, "730:40 1114:30 1134:30"},
    // Bangles, the decoy bracelet, and the charms against death and lowering.
    {750, 500, "1041:60 1155:40"},
    {751, 400, "1155:60 1156:40"},
    {752, 5000, "750:40 1207:30 1200:30"},
    {753, 20000, "752:40 1046:40 1201:20"},
    {834, 3000, "1150:40 75:30 1172:30"},
    {835, 3000, "1150:40 1200:30 1043:30"},
    {836, 3000, "1150:40 1028:30 1043:30"},
    {847, 50000, "1072:40 1029:30 1044:30"},
    {848, 10000, "1070:40 1155:30 1180:30"},
    // Materials refined from lesser ones.
    {1028, 5000, "1000:10 1004:15 1008:15 1012:15 1016:15 1020:15 1024:15"},
    {1029, 20000, "1028:40 1005:20 1009:20 1013:20"},
    {1030, 80000, "1029:40 1018:20 1022:20 1026:20"},
    {1031, 300000, "1030:40 1003:20 1007:20 1011:20"},
    {1033, 500000, "1031:40 1032:30 1062:30"},
    {1042, 1000, "1041:70 1004:30"},
    {1045, 20000, "1044:50 1043:50"},
    {1047, 100000, "1046:50 1031:30 1045:20"},
    {1048, 200000, "1047:50 1198:30 1183:20"},
    {1049, 400000, "1048:50 1007:30 1163:20"},
    {1050, 1000000, "1049:40 1221:30 1199:30"},
    {1061, 3000, "1060:60 1151:20 1131:20"},
    {1062, 30000, "1061:50 1211:30 1026:20"},
    {1071, 3000, "1070:50 1043:50"},
    {1072, 30000, "1071:50 1032:30 1044:20"},
};

void Set(int32_t product, int32_t fee, std::initializer_list<WeightedId> ingredients) {
    RecipeData& r = RecipeTable()[product];
    r.fee = fee;
    r.ingredients.assign(ingredients);
}

// The usual ways a series grows: from the base item with a better
// material, a bag of three, or a form for everyone.
void Better(int32_t product, int32_t fee, int32_t base, int32_t material, int32_t extra) {
    Set(product, fee, {{base, 40}, {material, 30}, {extra, 30}});
}
void Bag(int32_t product, int32_t fee, int32_t base, int32_t material) {
    Set(product, fee, {{base, 30}, {base, 30}, {base, 30}, {material, 10}});
}
void ForAll(int32_t product, int32_t fee, int32_t base, int32_t material) {
    Set(product, fee, {{base, 40}, {base, 40}, {material, 20}});
}

// Herbs of one pool, their bags, "A" forms and stones. The base herb comes
// from a plant, water and a monster material; each stronger herb from the
// one before with the next grades of water and of that material.
struct RecoveryFees {
    int32_t herb[4];
    int32_t bag[4];  // also the "A" forms
    int32_t stone[3];
};

void RecoverySeries(int32_t first, int32_t plant, int32_t monster, const RecoveryFees& fees) {
    Set(first, fees.herb[0], {{plant, 40}, {1100, 30}, {monster, 30}});
    for (int32_t t = 1; t < 4; ++t) Better(first + t, fees.herb[t], first + t - 1, 1100 + t, monster + t);
    for (int32_t t = 0; t < 4; ++t) {
        Bag(first + 4 + t, fees.bag[t], first + t, 1155 + t);
        ForAll(first + 8 + t, fees.bag[t], first + t, 1170 + t);
    }
    for (int32_t t = 0; t < 3; ++t)
        Set(first + 12 + t, fees.stone[t], {{first + 8 + t, 40}, {first + 4 + t, 30}, {1028 + t, 30}});
}

void Consumables() {
    const RecoveryFees hp = {{50, 1000, 5000, 20000}, {500, 4000, 20000, 80000}, {1000, 20000, 100000}};
    const RecoveryFees epMp = {{100, 2000, 10000, 40000}, {1000, 8000, 40000, 160000},
                               {2000, 40000, 200000}};
    RecoverySeries(1, 1120, 1190, hp);
    RecoverySeries(16, 1130, 1160, epMp);
    RecoverySeries(31, 1130, 1195, epMp);

    // One cure per ailment from two plants or a plant and a material.
    const std::pair<int32_t, int32_t> cures[] = {{1120, 1130}, {1120, 1100}, {1120, 1160},
                                                 {1130, 1100}, {1110, 1165}, {1130, 1150}};
    for (int32_t i = 0; i < 6; ++i) {
        const int32_t plain = 48 + 3 * i;
        Set(plain, 100, {{cures[i].first, 50}, {cures[i].second, 50}});
        Bag(plain + 1, 1000, plain, 1155);
        ForAll(plain + 2, 1000, plain, 1170);
    }
    for (int32_t s = 0; s < 3; ++s) {
        const int32_t plain = 66 + 3 * s;
        const int32_t fee = RecipeTable()[plain].fee;
        Bag(plain + 1, 5 * fee, plain, 1156 + s);
        ForAll(plain + 2, 5 * fee, plain, 1171 + s);
    }
    for (int32_t t = 0; t < 3; ++t) ForAll(78 + t, 5 * RecipeTable()[75 + t].fee, 75 + t, 1131 + t);

    // Medicines: a material that stands for the parameter, a plant, water.
    const int32_t medicine[] = {1160, 1130, 1170, 1165, 1175, 1131, 1171, 1200};
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t base = 81 + 4 * i;
        Set(base, 500, {{medicine[i], 40}, {1120, 30}, {1100, 30}});
        Better(base + 1, 5000, base, medicine[i] + 1, 1101);
        ForAll(base + 2, 3000, base, 1155);
        ForAll(base + 3, 30000, base + 1, 1156);
    }
    // Shells and barriers: a guarding material, thread and water.
    const int32_t shell[] = {1060, 1175, 1000, 1004, 1008, 1012, 1016, 1020, 1024, 1043, 1121, 1172, 1130};
    for (int32_t i = 0; i < 13; ++i) {
        const int32_t base = 113 + 4 * i;
        const int32_t fee = i >= 9 && i < 12 ? 2000 : 500;  // barriers grant a state
        Set(base, fee, {{shell[i], 40}, {1150, 30}, {1100, 30}});
        Better(base + 1, 10 * fee, base, shell[i] + 1, 1101);
        ForAll(base + 2, 6 * fee, base, 1151);
        if (i < 12) ForAll(base + 3, 60 * fee, base + 1, 1152);  // 予防 has no "AII"
    }

    // Books: a tome and the element's stones, one grade more per step.
    const int32_t bookFees[] = {500, 5000, 30000, 3000, 20000, 100000, 5000, 30000, 150000};
    for (int32_t e = 0; e < Element::kCount; ++e) {
        const int32_t b = 200 + 9 * e;
        const int32_t stone = 1000 + 4 * e;
        Set(b, bookFees[0], {{1060, 40}, {stone, 40}, {1150, 20}});
        for (int32_t t = 1; t < 3; ++t) Better(b + t, bookFees[t], b + t - 1, 1060 + t, stone + t);
        for (int32_t t = 0; t < 3; ++t) {
            ForAll(b + 3 + t, bookFees[3 + t], b + t, stone + t + 1);
            Better(b + 6 + t, bookFees[6 + t], b + t, 1170 + t, stone + t + 1);
        }
    }

    // Curse tags and melts: thread or jelly, a material of what they do.
    const int32_t tag[] = {1190, 1130, 1165, 1131, 1180, 1210, 1211, 1195,
                           1160, 1100, 1170, 1175, 1200, 1155, 1110, 1196};
    for (int32_t i = 0; i < 16; ++i) {
        const int32_t base = 300 + 6 * i;
        Set(base, 800, {{1150, 40}, {tag[i], 30}, {1060, 30}});
        Better(base + 1, 8000, base, tag[i] + 1, 1061);
        ForAll(base + 2, 5000, base, 1151);
        ForAll(base + 3, 50000, base + 1, 1152);
    }
    // A sentence of death passes every guard, a boss's too: its tags want
    // a god's proof and a demon's soul, so none before the castle falls.
    Set(342, 100000, {{1152, 40}, {1221, 30}, {1212, 30}});
    Better(343, 200000, 342, 1199, 1062);
    ForAll(344, 150000, 342, 1152);
    ForAll(345, 300000, 343, 1152);
    const int32_t melt[] = {1200, 1060, 1175, 1000, 1004, 1008, 1012, 1016, 1020, 1024};
    for (int32_t i = 0; i < 10; ++i) {
        const int32_t base = 400 + 6 * i;
        Set(base, 800, {{melt[i], 40}, {1190, 30}, {1100, 30}});
        Better(base + 1, 8000, base, melt[i] + 1, 1191);
        ForAll(base + 2, 5000, base, 1151);
        ForAll(base + 3, 50000, base + 1, 1152);
    }
}

void Accessories() {
    const int32_t metal[] = {1040, 1042, 1044, 1046};
    // Rings: metal and a material that stands for the parameter.
    const int32_t ring[] = {1160, 1130, 1165, 1170, 1175, 1131, 1100};
    const int32_t ringFees[] = {1000, 10000, 50000, 200000};
    for (int32_t i = 0; i < 7; ++i) {
        const int32_t base = 754 + 4 * i;
        Set(base, ringFees[0], {{metal[0], 40}, {ring[i], 30}, {1000, 30}});
        for (int32_t t = 1; t < 4; ++t) Better(base + t, ringFees[t], base + t - 1, metal[t], ring[i] + t);
    }
    // Guards against physical, magic and breath attacks.
    const int32_t guard[] = {1200, 1130, 1175};
    const int32_t guardFees[] = {800, 8000, 40000, 150000};
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t base = 782 + 4 * i;
        Set(base, guardFees[0], {{1041, 40}, {guard[i], 30}, {1155, 30}});
        for (int32_t t = 1; t < 4; ++t) Better(base + t, guardFees[t], base + t - 1, metal[t], guard[i] + t);
    }
    // The last physical guard wants the sacred turtle's shell.
    Better(785, guardFees[3], 784, 1204, 1203);
    // Amulets: the element's stones, one grade more per step.
    const int32_t amuletFees[] = {500, 5000, 30000, 100000};
    for (int32_t e = 0; e < Element::kCount; ++e) {
        const int32_t base = 794 + 4 * e;
        const int32_t stone = 1000 + 4 * e;
        Set(base, amuletFees[0], {{1150, 40}, {stone, 40}, {1040, 20}});
        for (int32_t t = 1; t < 4; ++t) Better(base + t, amuletFees[t], base + t - 1, stone + t, metal[t]);
    }
    // Charms: thread, the cure of their ailment and a flower.
    for (int32_t i = 0; i < 6; ++i) {
        Set(822 + 2 * i, 500, {{1150, 40}, {48 + 3 * i, 30}, {1130, 30}});
        Better(823 + 2 * i, 5000, 822 + 2 * i, 49 + 3 * i, 1131);
    }
    // Bracelets and anklets of the elements.
    for (int32_t e = 0; e < Element::kCount; ++e) {
        const int32_t stone = 1001 + 4 * e;
        Set(840 + e, 10000, {{1070, 40}, {stone, 30}, {1043, 30}});
        Set(849 + e, 8000, {{1070, 40}, {stone, 30}, {1171, 30}});
    }
}

}  // namespace

void BuildRecipes() {
    auto& table = RecipeTable();
    for (int32_t id = 0; id < kItemCapacity; ++id) table[id] = RecipeData{id, 0, {}};
    // The written rows first: some series take their fees from them.
    for (const RecipeRow& row : kRows) {
        RecipeData& r = table[row.product];
        r.fee = row.fee;
        std::string error;
        if (!ParseShares(row.ingredients, r.ingredients, &error))
            ReportContentProblem(FormatNarrow("recipe %d: %s", row.product, error.c_str()));
    }
    Consumables();
    Accessories();
}
