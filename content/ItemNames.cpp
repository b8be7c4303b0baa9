#include "content/ItemNames.h"

#include <string>

#include "content/ContentDatabase.h"

namespace {

void Name(int32_t id, const std::string& name) { ItemNameTable()[id] = WString(name.c_str()); }

// Consecutive ids from `first`: base + each suffix in turn.
template <size_t N>
void Series(int32_t first, const char* base, const char* const (&suffixes)[N]) {
    for (size_t i = 0; i < N; ++i) Name(first + static_cast<int32_t>(i), std::string(base) + suffixes[i]);
}

// One name per id from `first`.
template <size_t N>
void List(int32_t first, const char* const (&names)[N]) {
    for (size_t i = 0; i < N; ++i) Name(first + static_cast<int32_t>(i), names[i]);
}

constexpr const char* kFour[] = {"", "Ⅱ", "Ⅲ", "Ⅳ"};
constexpr const char* kThree[] = {"", "Ⅱ", "Ⅲ"};
constexpr const char* kTwo[] = {"", "Ⅱ"};
constexpr const char* kBagFour[] = {"袋", "袋Ⅱ", "袋Ⅲ", "袋Ⅳ"};
constexpr const char* kAllFour[] = {"A", "AⅡ", "AⅢ", "AⅣ"};
constexpr const char* kPlainBagAll[] = {"", "袋", "A"};
constexpr const char* kSupportFour[] = {"", "Ⅱ", "A", "AⅡ"};
constexpr const char* kBookNine[] = {"", "Ⅱ", "Ⅲ", "A", "AⅡ", "AⅢ", "R", "RⅡ", "RⅢ"};
constexpr const char* kElements[] = {"無", "火", "氷", "雷", "風", "光", "闇"};

// Herbs of one pool: four strengths, their bags and their "A" forms, and
// three strengths of stones that reach everyone three times.
void RecoverySeries(int32_t first, const char* herb, const char* stone) {
    Series(first, herb, kFour);
    Series(first + 4, herb, kBagFour);
    Series(first + 8, herb, kAllFour);
    Series(first + 12, stone, kThree);
}

void Consumables() {
    RecoverySeries(1, "薬草", "生命の石");
    RecoverySeries(16, "気力草", "気力の石");
    RecoverySeries(31, "魔力草", "魔力の石");
    List(46, {"エリクサー", "エリクサーA"});
    // One cure per ailment: poison, sleep, paralysis, confusion, cowardice, seal.
    constexpr const char* kCures[] = {"毒消し草", "目覚まし草", "マヒ消し草",
                                      "しずめ草", "勇気の実", "解呪の香"};
    for (int32_t i = 0; i < 6; ++i) Series(48 + 3 * i, kCures[i], kPlainBagAll);
    for (int32_t i = 0; i < 3; ++i) {
        const std::string tier = kThree[i];
        List(66 + 3 * i, {("万能薬" + tier).c_str(), ("万能薬袋" + tier).c_str(),
                          ("万能薬A" + tier).c_str()});
    }
    Series(75, "蘇生薬", kThree);
    Series(78, "蘇生薬A", kThree);
    // Medicines raising Atk, Mag, Hit, Cri, Avo, Luck, Sp and physical guard.
    constexpr const char* kMedicines[] = {"力の薬",   "知恵の薬",   "狙いの薬",   "会心の薬",
                                          "身かわしの薬", "幸運の薬", "素早さの薬", "守りの薬"};
    for (int32_t i = 0; i < 8; ++i) Series(81 + 4 * i, kMedicines[i], kSupportFour);
    // Shells: magic and breath guard, the seven elements; then barriers.
    constexpr const char* kShells[] = {
        "マジックシェル", "ブレスシェル", "無のシェル",    "火のシェル",
        "氷のシェル",     "雷のシェル",   "風のシェル",    "光のシェル",
        "闇のシェル",     "ミラーバリア", "リジェネバリア", "ライフバリア"};
    for (int32_t i = 0; i < 12; ++i) Series(113 + 4 * i, kShells[i], kSupportFour);
    List(161, {"予防の香", "予防の香Ⅱ", "予防の香A"});
}

void Books() {
    for (int32_t e = 0; e < 7; ++e) Series(200 + 9 * e, (std::string(kElements[e]) + "の書").c_str(), kBookNine);
}

void TagsAndMelts() {
    // Ailments, instant death and doom, then the seven lowered parameters,
    // then every ailment at once.
    constexpr const char* kTags[] = {"毒",   "眠り", "マヒ", "混乱", "恐怖", "封印",
                                     "死",   "宣告", "脱力", "忘却", "盲目", "無心",
                                     "鈍重", "不運", "鈍足", "混沌"};
    for (int32_t i = 0; i < 16; ++i)
        Series(300 + 6 * i, (std::string(kTags[i]) + "の呪札").c_str(), kSupportFour);
    Series(396, "消滅の呪札", kSupportFour);
    // Melts lower a guard: physical, magic, breath, then the seven elements.
    constexpr const char* kMelts[] = {"アーマーメルト", "マジックメルト", "ブレスメルト",
                                      "無のメルト",     "火のメルト",     "氷のメルト",
                                      "雷のメルト",     "風のメルト",     "光のメルト",
                                      "闇のメルト"};
    for (int32_t i = 0; i < 10; ++i) Series(400 + 6 * i, kMelts[i], kSupportFour);
}

void Weapons() {
    List(560, {"木刀",           "ブロンズソード",   "アイアンソード", "スチールソード",
               "フレイムソード", "バスタードソード", "シルバーソード", "アイスブランド",
               "サンダーブレード", "ウィンドソード", "ミスリルソード", "ルーンブレード",
               "クレイモア",     "ダークソード",     "光の剣",         "大地の剣",
               "灼熱の剣",       "氷河の剣",         "雷神の剣",       "疾風の剣",
               "オリハルコンソード", "勇者の剣",     "魔神の剣",       "プリンセスレイピア",
               "忍者刀",         "ドラゴンキラー",   "ホーリーソード", "ドラゴンソード",
               "星の剣",         "鬼神の剣",         "天空の剣",       "神剣",
               "次元の剣",       "ロードソード"});
    List(650, {"木の弓",     "ショートボウ", "ロングボウ",   "コンポジットボウ", "妖精の弓",
               "アイアンボウ", "シルバーボウ", "火の弓",     "狩人の弓",         "氷の弓",
               "雷の弓",     "風の弓",       "ミスリルボウ", "エルフの弓",       "光の弓",
               "闇の弓",     "破魔の弓",     "グレートボウ", "速射の弓",         "オリハルコンボウ",
               "天使の弓",   "流星の弓",     "竜骨の弓",     "星の弓",           "月の弓",
               "太陽の弓",   "狙撃手の弓",   "嵐の弓",       "神々の弓",         "英雄の弓",
               "終焉の弓"});
    List(710, {"木の杖",     "樫の杖",       "魔術師の杖",   "火の杖",       "氷の杖",
               "雷の杖",     "風の杖",       "癒しの杖",     "ルーンスタッフ", "メテオスタッフ",
               "サンダースタッフ", "祈りの杖", "賢者の杖",     "魅惑の杖",     "救世主の杖",
               "魔道士の杖", "光の杖",       "暗黒の杖",     "大魔導の杖",   "聖者の杖",
               "精霊王の杖", "魔王の杖",     "世界樹の杖"});
}

void Accessories() {
    List(750, {"アイアンバンクル", "レザーバンクル", "ヘビーバンクル", "ミスリルバンクル"});
    constexpr const char* kRings[] = {"パワーリング", "マジックリング", "スキルリング",
                                      "スピードリング", "ミラージュリング", "ラッキーリング",
                                      "ライフリング"};
    for (int32_t i = 0; i < 7; ++i) Series(754 + 4 * i, kRings[i], kFour);
    constexpr const char* kGuards[] = {"プロテクター", "マジックガード", "ブレスガード"};
    for (int32_t i = 0; i < 3; ++i) Series(782 + 4 * i, kGuards[i], kFour);
    for (int32_t e = 0; e < 7; ++e) Series(794 + 4 * e, (std::string(kElements[e]) + "の護符").c_str(), kFour);
    constexpr const char* kCharms[] = {"毒消しのお守り", "目覚めのお守り", "自由のお守り",
                                       "正気のお守り",   "勇気のお守り",   "解放のお守り"};
    for (int32_t i = 0; i < 6; ++i) Series(822 + 2 * i, kCharms[i], kTwo);  // pairs: base and Ⅱ
    List(834, {"命のお守り", "不屈のお守り", "守護のお守り"});
    for (int32_t e = 0; e < 7; ++e) Name(840 + e, std::string(kElements[e]) + "の腕輪");
    List(847, {"虹の腕輪", "囮の腕輪"});
    for (int32_t e = 0; e < 7; ++e) Name(849 + e, std::string(kElements[e]) + "のアンクレット");
    for (int32_t e = 0; e < 7; ++e) Name(856 + e, std::string(kElements[e]) + "の紋章");
    List(863, {"追撃の紋章", "必殺の紋章", "死生の紋章", "怒りの紋章",
               "見切りの紋章", "祈りの紋章", "集中の紋章", "反射の紋章"});
    List(872, {"闘志の紋章", "魔力の紋章"});
    Name(876, "カリスマの紋章");
    List(878, {"天聖の紋章", "連続の紋章", "速攻の紋章"});
    List(882, {"弱体の指輪", "呪術の指輪", "死神の指輪", "補助の指輪", "癒しの指輪",
               "早癒の指輪"});
    List(888, {"闘気のペンダント", "魔力のペンダント", "力のペンダント", "知恵のペンダント",
               "狙いのペンダント", "会心のペンダント", "回避のペンダント", "幸運のペンダント",
               "疾風のペンダント", "鉄壁のペンダント", "魔壁のペンダント", "竜壁のペンダント"});
    List(900, {"勇者の紋章", "賢者の紋章", "剣聖の紋章", "聖者の紋章", "竜の紋章",
               "天使の輪", "悪魔の輪", "妖精の輪", "風神の輪", "雷神の輪"});
    List(912, {"虹のペンダント", "女神のペンダント", "王者のマント", "守護神の盾",
               "鉄壁の鎧", "神々の宝玉"});
}

void Materials() {
    // Stones: four grades per element, then a rainbow set.
    constexpr const char* kGrades[] = {"の欠片", "の石", "の結晶", "の宝珠"};
    constexpr const char* kStoneElements[] = {"無", "火", "氷", "雷", "風", "光", "闇", "虹"};
    for (int32_t e = 0; e < 8; ++e) Series(1000 + 4 * e, kStoneElements[e], kGrades);
    List(1032, {"精霊の涙", "賢者の石"});
    List(1040, {"銅鉱石", "鉄鉱石", "鋼鉄", "銀", "金", "白金", "ミスリル", "オリハルコン",
                "アダマンタイト", "ヒヒイロカネ", "神鋼"});
    List(1060, {"古びた魔導書", "魔導書", "禁断の魔導書"});
    List(1070, {"古い腕輪", "銀の腕輪", "精霊の腕輪"});
    // Nature and monster materials, each block from common to rare.
    List(1100, {"湧き水", "清水", "聖水", "命の水", "神の雫"});
    List(1110, {"木の枝", "堅木", "霊木", "神木の枝", "世界樹の枝"});
    List(1120, {"野草", "薬効草", "霊草", "仙草", "神草"});
    List(1130, {"野の花", "月光花", "星の花", "虹の花", "天上の花"});
    List(1150, {"麻糸", "絹糸", "魔法の糸"});
    List(1155, {"獣の皮", "なめし革", "硬い革", "竜の革", "魔獣の革"});
    List(1160, {"小さな牙", "鋭い牙", "猛獣の牙", "竜の牙", "魔王の牙"});
    List(1165, {"小さな爪", "鋭い爪", "猛獣の爪", "竜の爪", "魔神の爪"});
    List(1170, {"鳥の羽", "大鷲の羽", "妖精の羽", "天使の羽", "不死鳥の羽"});
    List(1175, {"魚の鱗", "蛇の鱗", "大蛇の鱗", "竜の鱗", "聖竜の鱗"});
    List(1180, {"小さな骨", "獣の骨", "巨人の骨", "竜の骨", "古代竜の骨"});
    List(1190, {"スライムゼリー", "濃いゼリー", "魔法のゼリー", "黄金ゼリー", "虹色ゼリー",
                "スライムの核", "魔物の核", "魔獣の核", "竜の核", "邪神の核"});
    List(1200, {"虫の殻", "甲羅", "堅い甲羅", "竜の甲殻", "神亀の甲羅"});
    List(1205, {"歯車", "ネジ", "金属片", "魔法回路", "動力炉"});
    List(1210, {"魂のかけら", "怨念の塊", "悪魔の魂"});
    List(1220, {"勇者の証", "神の証"});
}

}  // namespace

void BuildItemNames() {
    ItemNameTable().fill(WString());
    Name(0, " -");
    Consumables();
    Books();
    TagsAndMelts();
    Weapons();
    Accessories();
    Materials();
}
