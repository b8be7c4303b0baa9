#pragma once
// The battle scene as a list of draw steps: composing it only reads the
// battle, so tests can check where everything goes without a device, and
// drawing it is one loop over the list.
#include <cstdint>
#include <vector>

#include "engine/graphics/Geometry.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/graphics/Texture.h"
#include "engine/text/WString.h"

// What a step shows, for the tests and for reading a composed scene.
enum class ScenePart : int32_t {
    kPortrait,
    kSprite,
    kName,
    kLabel,     // tag: the bar row
    kBarBack,   // tag: the bar row
    kBarFill,   // tag: the bar row
    kValue,     // tag: the bar row
    kActionName,
    kStatusIcon,   // tag: the status kind
    kStatusArrow,  // tag: the status kind
    kFloatingText,  // tag: the text's index in the unit's list
    kHitEffect,     // tag: the effect's index in the unit's list
    kTargetMark,
};

namespace BarRow {
inline constexpr int32_t kHp = 0;
inline constexpr int32_t kEp = 1;
inline constexpr int32_t kMp = 2;
inline constexpr int32_t kAct = 3;
}  // namespace BarRow

struct SceneItem {
    enum Kind : int32_t { kPicture, kPanel, kText };

    Kind kind = kPanel;
    ScenePart part = ScenePart::kBarBack;
    int32_t unit = -1;  // battle-list index
    int32_t tag = 0;
    Color color{255, 255, 255, 255};
    int32_t blend = kBlendNormal;
    // Pictures (a cell of `picture`) and panels (the shared white panel,
    // tinted by the colour) fill `rect`.
    Rect rect;
    const Texture* picture = nullptr;
    int32_t cell = 0;
    // Texts: square glyph cells of `size` pixels, aligned on `pen`.
    WString text;
    Point pen;
    int32_t size = 20;
    int32_t spacing = 0;
    int32_t horizontal = kAlignStart;
    int32_t vertical = kAlignStart;
};

using SceneList = std::vector<SceneItem>;

// Draws the steps in order, then leaves the device in normal blending with
// white corners.
void DrawSceneItems(const SceneList& items);
