#pragma once
// Known game states for the panel tests and the screens as the game
// composes them (the panels with the places the screens keep for their
// lists), so that texts can be checked against each other.
#include <functional>
#include <string>
#include <vector>

#include "PanelFixture.h"
#include "content/GoodsNames.h"

namespace paneltest {

inline PackedItem Item(int32_t id, int32_t quality) { return PackItem(id, quality); }

// The `rank`-th named weapon the character can use (or the last one).
inline PackedItem WeaponFor(int32_t character, int32_t rank, int32_t quality) {
    PackedItem found = 0;
    for (int32_t id = GoodsRange::kWeaponFirst; id < GoodsRange::kAccessoryFirst; ++id) {
        const PackedItem item = PackItem(id, quality);
        if (ItemName(id).Empty() || !CanEquip(character, item)) continue;
        found = item;
        if (rank-- == 0) break;
    }
    return found;
}

inline void Wear(int32_t character, int32_t slot, PackedItem item) {
    CharacterData& row = CharacterTable()[size_t(character)];
    row.equipment[size_t(slot)] = item;
    if (slot == 0) row.skills[0] = BasicAttackOf(item);
}

// Four members at level 60, armed, with gold, records and a few goods.
inline void SetUpParty() {
    PartyState& party = GameParty();
    party.members = {0, 1, 2, 3};
    for (int32_t c : party.members) party.hired[size_t(c)] = 1;
    SetPartyLevel(party, 60);
    party.expPool = 1234;
    party.gold = 123456;
    party.records = {57, 55, 2};
    GameExpedition().questsDefeated = 7;
    for (int32_t c : party.members) Wear(c, 0, WeaponFor(c, 8, 70));
    Wear(0, 0, Item(586, 70));
    Wear(0, 1, Item(752, 100));
    Wear(0, 2, Item(764, 40));
    Wear(1, 1, Item(847, 90));
    Wear(2, 1, Item(761, 100));
    if (CanEquip(2, Item(730, 100))) Wear(2, 0, Item(730, 100));
    party.inventory = {Item(1, 80), Item(1, 20), Item(586, 100), Item(847, 10)};
    party.storage = {Item(586, 3)};
}

// The texts' boxes, measured with the font the device holds.
struct TextBox {
    Rect box;
    std::string text;
};
inline std::vector<TextBox> TextBoxes(const PanelDrawing& d) {
    std::vector<TextBox> boxes;
    for (const PanelText& t : d.texts) {
        const int32_t width = TextWidth(t.text, t.cellWidth, t.spacing);
        const int32_t left = t.align == kAlignEnd ? t.at.x - width : t.at.x;
        boxes.push_back({{left, t.at.y, left + width, t.at.y + t.cellHeight}, t.text.ToUtf8()});
    }
    return boxes;
}

inline bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}
inline bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// One screen: the panels drawn together, and the rectangles the screen
// keeps for its own lists (drawn as grey stand-ins in the pictures).
struct Scene {
    std::string name;
    std::vector<PanelDrawing> panels;
    std::vector<Rect> lists;
};

inline Rect Box(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
}

}  // namespace paneltest
