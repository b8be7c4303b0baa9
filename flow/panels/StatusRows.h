#pragma once
// What the status sheet lists, before it is placed: each row's label,
// value and colour, with a candidate's effect already compared.
#include <array>
#include <cstdint>
#include <vector>

#include "content/PackedItem.h"
#include "content/Records.h"
#include "engine/graphics/Geometry.h"
#include "engine/text/WString.h"

struct StatusRow {
    WString label;
    WString value;
    Color color;
    int32_t id = 0;  // ability index or skill id; the slot's packed item
};

struct StatusRows {
    std::array<StatusRow, 8> params;
    std::array<StatusRow, CharacterData::kEquipmentSlots> equipment;
    std::vector<StatusRow> abilities;
    std::vector<StatusRow> skills;
};

// Without a preview (`previewSlot` outside 0-4) every row is white and
// lists the current values. With one, values are those with the
// candidate in the slot; abilities the candidate brings or takes away to
// 0 are listed too; skills it takes away are dimmed and those it adds
// follow the current ones.
StatusRows MakeStatusRows(int32_t character, int32_t previewSlot, PackedItem previewItem);
