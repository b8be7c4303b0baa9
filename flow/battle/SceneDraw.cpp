#include "engine/font/TextRenderer.h"
#include "flow/SharedPictures.h"
#include "flow/battle/SceneItem.h"

void DrawSceneItems(const SceneList& items) {
    GraphicsDevice& device = Graphics();
    TextRenderer& text = device.Text();
    for (const SceneItem& item : items) {
        device.SetBlendMode(item.blend);
        device.SetColor(item.color);
        switch (item.kind) {
            case SceneItem::kPicture:
                // A picture that failed to load draws nothing.
                if (item.picture != nullptr) device.DrawRect(item.rect, *item.picture, item.cell);
                break;
            case SceneItem::kPanel: device.DrawRect(item.rect, Pictures().panel, 0); break;
            case SceneItem::kText:
                text.SetTextStyle(item.size, item.size, item.spacing, 0);
                text.SetTextAlign(item.horizontal, item.vertical);
                text.DrawText(item.pen, item.text);
                break;
        }
    }
    device.SetBlendMode(kBlendNormal);
    device.SetColor(Color{255, 255, 255, 255});
}
