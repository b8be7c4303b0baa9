// Materials: every named material id has one of 17 price grades.
#include <array>

#include "content/ContentDatabase.h"
#include "content/ItemFormula.h"
#include "content/Items.h"

namespace {

// Price of grade g: trunc(A x q + B).
constexpr Linear kGrades[18] = {
    {0, 0},
    {395, 5},       {980, 20},      {1900, 100},    {3800, 200},    {4700, 300},
    {6600, 400},    {7400, 600},    {9200, 800},    {14000, 1000},  {18000, 2000},
    {27000, 3000},  {36000, 4000},  {45000, 5000},  {60000, 10000}, {75000, 15000},
    {80000, 20000}, {160000, 40000},
};

struct GradeRun {
    int32_t first;
    std::array<int32_t, 11> grades;  // one per consecutive id, up to the first 0
};

// Columns: first id, the grade of each id from there on.
constexpr GradeRun kRuns[] = {
    // Stones of each element and the rainbow set: fragment, stone, crystal, orb.
    {1000, {1, 2, 3, 4}}, {1004, {1, 2, 3, 4}}, {1008, {1, 2, 3, 4}}, {1012, {1, 2, 3, 4}},
    {1016, {1, 2, 3, 4}}, {1020, {1, 2, 3, 4}}, {1024, {1, 2, 3, 4}}, {1028, {1, 2, 3, 4}},
    {1032, {10, 13}},
    {1040, {1, 3, 4, 5, 7, 8, 10, 12, 14, 16, 17}},
    {1060, {2, 6, 9}},
    {1070, {2, 6, 9}},
    {1100, {1, 3, 6, 9, 12}},   // water
    {1110, {1, 3, 6, 9, 13}},   // wood
    {1120, {1, 3, 5, 8, 11}},   // herbs
    {1130, {2, 4, 7, 10, 13}},  // flowers
    {1150, {2, 5, 9}},          // thread
    {1155, {1, 3, 6, 10, 12}},  // hides
    {1160, {1, 3, 6, 10, 14}},  // fangs
    {1165, {1, 3, 6, 10, 14}},  // claws
    {1170, {2, 4, 7, 11, 15}},  // feathers
    {1175, {2, 4, 7, 11, 15}},  // scales
    {1180, {1, 3, 6, 10, 14}},  // bones
    {1190, {1, 3, 5, 8, 11, 2, 5, 8, 12, 15}},  // jellies, then cores
    {1200, {2, 4, 7, 11, 14}},  // shells
    {1205, {3, 5, 7, 9, 12}},   // machine parts
    {1210, {4, 8, 13}},         // souls
    {1220, {16, 17}},
};

std::array<int8_t, kItemCapacity - GoodsRange::kMaterialFirst> BuildGrades() {
    std::array<int8_t, kItemCapacity - GoodsRange::kMaterialFirst> grades{};
    for (const GradeRun& run : kRuns) {
        int32_t id = run.first;
        for (int32_t g : run.grades) {
            if (g == 0) break;
            grades[id++ - GoodsRange::kMaterialFirst] = static_cast<int8_t>(g);
        }
    }
    return grades;
}

}  // namespace

int32_t MaterialGrade(int32_t itemId) {
    static const auto grades = BuildGrades();
    if (itemId < GoodsRange::kMaterialFirst || itemId >= kItemCapacity) return 0;
    return grades[itemId - GoodsRange::kMaterialFirst];
}

MaterialLabel MakeMaterialLabel(int32_t itemId, int32_t quality) {
    MaterialLabel m;
    if (quality < 0) quality = 0;
    if (quality > 100) quality = 100;
    m.label.Format("%S[%d]", ItemName(itemId), quality);
    m.price = Eval(kGrades[MaterialGrade(itemId)], QualityFactor(quality));
    return m;
}
