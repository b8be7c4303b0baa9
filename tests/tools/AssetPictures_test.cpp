// Properties of the painted pictures that the screens rely on: sizes,
// transparent corners, figures that fill their boxes, animated effect
// strips, and pictures that differ from one another.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "tools/asset-gen/Backgrounds.h"
#include "tools/asset-gen/Effects.h"
#include "tools/asset-gen/Faces.h"
#include "tools/asset-gen/Monsters.h"
#include "tools/asset-gen/StatusIcons.h"

using namespace assetgen;

namespace {

float Coverage(const Canvas& c) {
    float sum = 0;
    for (const Rgba& p : c.Pixels()) sum += p.a;
    return sum / float(c.Pixels().size());
}

double LumaSpread(const Canvas& c) {
    double sum = 0, squares = 0;
    for (const Rgba& p : c.Pixels()) {
        const double l = Luma(p);
        sum += l;
        squares += l * l;
    }
    const double n = double(c.Pixels().size()), mean = sum / n;
    return std::sqrt(std::max(0.0, squares / n - mean * mean));
}

double Difference(const Canvas& a, const Canvas& b) {
    double d = 0;
    for (size_t i = 0; i < a.Pixels().size(); ++i) {
        const Rgba &p = a.Pixels()[i], &q = b.Pixels()[i];
        d += std::fabs(p.r - q.r) + std::fabs(p.g - q.g) + std::fabs(p.b - q.b) + std::fabs(p.a - q.a);
    }
    return d / double(a.Pixels().size());
}

Canvas Frame(const Canvas& strip, int index, int columns) {
    Canvas cell(kEffectCell, kEffectCell);
    for (int y = 0; y < kEffectCell; ++y)
        for (int x = 0; x < kEffectCell; ++x) cell.At(x, y) = strip.At((index % columns) * kEffectCell + x, (index / columns) * kEffectCell + y);
    return cell;
}

}  // namespace

TEST(Backgrounds, FillTheScreenWithDistinctDetailedScenes) {
    std::vector<Canvas> scenes;
    for (int n = 0; n < kBackgroundCount; ++n) {
        Canvas c = PaintBackground(n);
        ASSERT_EQ(c.Width(), 640);
        ASSERT_EQ(c.Height(), 480);
        for (const Rgba& p : c.Pixels()) ASSERT_FLOAT_EQ(p.a, 1.0f) << "scene " << n << " is not opaque";
        EXPECT_GT(LumaSpread(c), 0.05) << "scene " << n << " is nearly flat";
        for (size_t k = 0; k < scenes.size(); ++k) EXPECT_GT(Difference(c, scenes[k]), 0.1) << "scenes " << k << " and " << n;
        scenes.push_back(std::move(c));
    }
}

TEST(StatusIcons, SmallDistinctBadgesOnATransparentCorner) {
    std::vector<Canvas> icons;
    for (int kind = 0; kind < 30; ++kind) icons.push_back(PaintStatusIcon(kind));
    icons.push_back(PaintRiseMark(true));
    icons.push_back(PaintRiseMark(false));
    for (size_t i = 0; i < icons.size(); ++i) {
        EXPECT_EQ(icons[i].Width(), kIconSize);
        EXPECT_EQ(icons[i].At(0, 0).a, 0.0f) << i;
        EXPECT_GT(Coverage(icons[i]), 0.12f) << i;
        for (size_t k = 0; k < i; ++k) EXPECT_GT(Difference(icons[i], icons[k]), 0.05) << "icons " << k << " and " << i;
    }
    // The marks leave the upper left of the icon under them visible.
    for (const Canvas& mark : {icons[30], icons[31]})
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) EXPECT_EQ(mark.At(x, y).a, 0.0f);
}

TEST(Monsters, FiguresWithOutlinesThatFitTheBattleBand) {
    for (const char* name : {"slime.bmp", "goblin.bmp", "dragon.bmp", "maou.bmp", "griffon.bmp", "hydra.bmp", "kraken.bmp", "whale.bmp", "chaos.bmp"}) {
        for (double scale : {0.9, 2.0}) {
            const Canvas c = PaintMonster(name, scale);
            EXPECT_LE(1.4 * scale * c.Height(), 281.0) << name;
            EXPECT_LE(1.4 * scale * c.Width(), 601.0) << name;
            EXPECT_EQ(c.At(0, 0).a, 0.0f) << name;
            EXPECT_GT(Coverage(c), 0.15f) << name;
            // The outline: seen from the left, every row of the figure
            // starts with a dark pixel.
            int rows = 0, dark = 0;
            for (int y = 0; y < c.Height(); ++y)
                for (int x = 0; x < c.Width(); ++x) {
                    if (c.At(x, y).a < 0.5f) continue;
                    ++rows;
                    dark += Luma(c.At(x, y)) < 0.3f;
                    break;
                }
            EXPECT_GT(rows, c.Height() / 2) << name;
            EXPECT_GT(dark, rows * 3 / 4) << name;
        }
    }
}

TEST(Monsters, UnknownNamesStillGetAFigure) {
    const Canvas known = PaintMonster("wolf.bmp", 0.9);
    const Canvas worded = PaintMonster("greatwolf.bmp", 0.9);  // a word it knows
    EXPECT_EQ(worded.Width(), known.Width());
    const Canvas other = PaintMonster("zzqx.bmp", 0.9);
    EXPECT_GT(Coverage(other), 0.1f);
}

TEST(Effects, StripsAnimateFrameByFrameInTheirGrid) {
    struct Case {
        const char* name;
        int columns, rows;
    };
    for (const Case& k : {Case{"slash.bmp", 5, 1}, Case{"explosion.bmp", 5, 4}, Case{"bolt.bmp", 1, 9}, Case{"heal2.bmp", 5, 3}, Case{"unheard.bmp", 5, 1}}) {
        const Canvas strip = PaintEffectStrip(k.name, k.columns, k.rows);
        ASSERT_EQ(strip.Width(), kEffectCell * k.columns) << k.name;
        ASSERT_EQ(strip.Height(), kEffectCell * k.rows) << k.name;
        EXPECT_EQ(strip.At(0, 0).a, 0.0f);
        for (const Rgba& p : strip.Pixels()) ASSERT_TRUE(p.r <= p.a + 1e-6f && p.g <= p.a + 1e-6f && p.b <= p.a + 1e-6f) << k.name << ": not premultiplied";
        const int frames = k.columns * k.rows;
        int changes = 0, lit = 0;
        for (int f = 0; f < frames; ++f) {
            const Canvas cell = Frame(strip, f, k.columns);
            lit += Coverage(cell) > 0.002f;
            if (f > 0) changes += Difference(cell, Frame(strip, f - 1, k.columns)) > 0.002;
            // A clear border keeps neighbouring frames apart when filtered.
            for (int i = 0; i < kEffectCell; ++i) EXPECT_EQ(cell.At(i, 0).a + cell.At(0, i).a + cell.At(i, kEffectCell - 1).a, 0.0f);
        }
        EXPECT_GE(lit, frames / 2) << k.name;
        EXPECT_GE(changes, frames - 2) << k.name;
    }
}

TEST(Faces, OnePortraitPerCharacterAllDifferent) {
    std::vector<Canvas> faces;
    for (int id = 0; id < 24; ++id) {
        Canvas c = PaintFace(id);
        ASSERT_EQ(c.Width(), kFaceSize);
        ASSERT_EQ(c.Height(), kFaceSize);
        EXPECT_FLOAT_EQ(c.At(0, 0).a, 1.0f);
        for (size_t k = 0; k < faces.size(); ++k) EXPECT_GT(Difference(c, faces[k]), 0.05) << "faces " << k << " and " << id;
        faces.push_back(std::move(c));
    }
}
