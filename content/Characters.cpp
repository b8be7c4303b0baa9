#include "content/Characters.h"

#include <string>

#include "content/ContentDatabase.h"
#include "content/ListText.h"
#include "content/Progression.h"
#include "engine/text/Format.h"

namespace {

struct CharacterRow {
    int32_t id;
    const char* name;
    const char* title;
    int32_t face;           // "image\face\%d.bmp"
    const char* weaponKinds;
    int32_t hireFee;
    int32_t weapon, weaponQuality;  // starting weapon, 0 for none
    int32_t hp, atk, mag, hit, cri, avo, luck, sp;  // at level 1
    std::array<int32_t, BaseParam::kCount> growth;  // hundredths per level
};

// Columns: id, name, title, face, weapon kinds, hire fee, starting weapon and
// its quality, Hp, Atk, Mag, Hit, Cri, Avo, Luck, Sp, growth of the same
// eight in hundredths per level.
constexpr CharacterRow kRows[] = {
    { 0, "レオン",     "村の少年",       91, "2 7",       0, 560, 10, 230, 45, 43,  5,  5,  5,  6, 56, {4200, 230, 120, 10, 10, 10, 10, 40}},
    { 1, "ミーナ",     "弓使い",          4, "5",         0, 650, 10, 167, 34, 27, 15, 18,  6,  7, 61, {3200, 190,  60, 10, 10, 10, 10, 50}},
    { 2, "マーリス",   "賢者",           25, "7",       300, 711, 15, 180, 30, 50,  3,  3,  2,  3, 55, {3600, 180, 140, 10, 10, 10, 10, 40}},
    { 3, "ガイ",       "格闘家",          8, "0",      2500, 0,  0, 320, 55, 36, 12, 10,  7,  0, 63, {5000, 510, 100, 10, 10, 10, 10, 50}},
    { 4, "エレナ",     "シスター",        9, "7",      3000, 711, 15, 150, 20, 45,  0,  0, 12, 13, 65, {2900,  70, 140, 10, 10, 10, 10, 50}},
    { 5, "カイル",     "剣士",           75, "2",      5000, 562, 30, 175, 39, 24, 13, 10, 13,  7, 73, {3400, 210,  55, 10, 10, 10, 10, 60}},
    { 6, "セシリア",   "プリンセス",      2, "2",      5000, 583, 30, 160, 36, 29,  5,  4, 12, 11, 58, {3600, 200,  80, 10, 10, 10, 10, 45}},
    { 7, "ボルド",     "コマンドナイト",  5, "2",        50, 562, 30, 280, 49, 16,  7,  7,  4,  0, 60, {4900, 260,  30, 10, 10, 10, 10, 45}},
    { 8, "ライナ",     "サンダーマージ", 85, "7",      7000, 720, 25, 155, 20, 60,  7, 15,  5,  3, 68, {2900,  70, 160, 10, 10, 10, 10, 55}},
    { 9, "カゲマル",   "忍者",           94, "2",      8000, 584, 30, 195, 42, 45, 12, 16, 14,  2, 77, {3900, 240, 130, 13, 10, 10, 10, 60}},
    {10, "ガロン",     "炎の戦士",       84, "2",     15000, 564, 30, 250, 50, 55,  2,  5,  1,  2, 49, {4700, 270, 150, 10, 10, 10, 10, 40}},
    {11, "マリア",     "シスター",       79, "7",     50000, 721, 10, 180, 10, 55,  0,  0,  4,  8, 54, {3800,  50, 155, 10, 10, 10, 10, 40}},
    {12, "ノエル",     "メシア",         90, "7",     50000, 724, 30, 185, 70, 55,  8,  3,  5,  7, 54, {3300, 105, 150, 10, 10, 10, 10, 50}},
    {13, "メルティ",   "メテオの使い手", 82, "7",     50000, 719, 50, 160, 30, 48,  4,  2,  1,  5, 46, {3100, 150, 140, 10, 10, 10, 10, 40}},
    {14, "ピピ",       "妖精",          101, "5 7",   50000, 654, 60, 130, 20, 40,  0,  0, 15, 15, 70, {2200,  65, 130, 10, 10, 10, 10, 50}},
    {15, "ダイモン",   "鉄壁",           22, "2 5",   50000, 565, 40, 310, 53, 16,  3,  5,  2,  1, 50, {5300, 290,  20, 10, 10, 10, 10, 40}},
    {16, "リーフ",     "アーチャー",     14, "5",     60000, 658, 40, 200, 44, 13, 10, 13,  7,  8, 55, {3800, 240,  20, 10, 10, 10, 10, 50}},
    {17, "エドガー",   "ホワイトナイト", 29, "2",     70000, 586, 30, 200, 42, 49,  4,  4,  4,  8, 60, {3900, 210, 150, 10, 10, 10, 10, 45}},
    {18, "キララ",     "カリスマ娘",     86, "2 7",   80000, 723, 40, 180, 37, 63,  7,  4,  8, 13, 57, {3100, 170, 190, 10, 10, 10, 10, 50}},
    {19, "ザイン",     "ダークマージ",   89, "7",    100000, 727, 40, 165, 30, 75,  6,  5,  3,  4, 56, {3100,  95, 220, 10, 10, 10, 10, 50}},
    {20, "ドレイク",   "ドラゴンナイト", 76, "2",    150000, 587, 30, 210, 47, 23,  7,  5,  5,  4, 63, {3900, 240,  60, 10, 10, 10, 10, 50}},
    {21, "ルミナ",     "光の魔道士",     33, "7",    200000, 726, 30, 155, 20, 65, 11, 10,  6,  7, 64, {2900,  75, 180, 10, 10, 10, 10, 55}},
    {22, "ゼノ",       "怖い人",         98, "2 7", 1000000, 589, 45, 240, 55, 57, 12, 12,  9,  9, 60, {4500, 290, 170, 10, 10, 10, 10, 55}},
};

}  // namespace

void BuildCharacters() {
    auto& table = CharacterTable();
    for (CharacterData& c : table) c = CharacterData{};  // rows own a texture: no copies
    for (const CharacterRow& row : kRows) {
        CharacterData& c = table[row.id];
        const int32_t base[BaseParam::kCount] = {row.hp,  row.atk, row.mag,  row.hit,
                                                 row.cri, row.avo, row.luck, row.sp};
        for (int32_t p = 0; p < BaseParam::kCount; ++p) c.params.Base(p) = base[p];
        c.name = WString(row.name);
        c.title = WString(row.title);
        c.faceNumber = row.face;
        std::string error;
        if (!ParseIntegers(row.weaponKinds, c.weaponKinds, &error))
            ReportContentProblem(FormatNarrow("character %d weapon kinds: %s", row.id, error.c_str()));
        c.hireFee = row.hireFee;
        if (row.weapon != 0) c.equipment[0] = PackItem(row.weapon, row.weaponQuality);
        c.growth = row.growth;
    }
    BuildProgressionRules();
    FinishCharacterTable();
    // The rules that hold from the start (character 0's physical guard,
    // everything of character 22) are part of a new character.
    for (int32_t id = 0; id < kCharacterCapacity; ++id) ApplyCharacterProgression(id, 1);
}
