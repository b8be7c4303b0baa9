#include "flow/battle/SceneBuilder.h"

void SceneBuilder::Picture(ScenePart part, int32_t tag, const Texture& picture, int32_t cell,
                           Rect rect, Color color, int32_t blend) {
    SceneItem& item = items_.emplace_back();
    item.kind = SceneItem::kPicture;
    item.part = part;
    item.unit = unit_;
    item.tag = tag;
    item.picture = &picture;
    item.cell = cell;
    item.rect = rect;
    item.color = color;
    item.blend = blend;
}

void SceneBuilder::Panel(ScenePart part, int32_t tag, Rect rect, Color color) {
    SceneItem& item = items_.emplace_back();
    item.kind = SceneItem::kPanel;
    item.part = part;
    item.unit = unit_;
    item.tag = tag;
    item.rect = rect;
    item.color = color;
}

void SceneBuilder::Text(ScenePart part, int32_t tag, const WString& text, Point pen, int32_t size,
                        int32_t horizontal, int32_t vertical, Color color) {
    if (text.Empty()) return;
    SceneItem& item = items_.emplace_back();
    item.kind = SceneItem::kText;
    item.part = part;
    item.unit = unit_;
    item.tag = tag;
    item.text = text;
    item.pen = pen;
    item.size = size;
    item.horizontal = horizontal;
    item.vertical = vertical;
    item.color = color;
}
