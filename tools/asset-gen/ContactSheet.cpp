#include "tools/asset-gen/ContactSheet.h"

#include <algorithm>

#include "tools/asset-gen/Effects.h"
#include "tools/asset-gen/Paint.h"

namespace assetgen {

namespace {

constexpr int kWidth = 1328;
constexpr int kGap = 8;

struct Shelf {
    Canvas sheet;
    int x = kGap, y = kGap, rowHeight = 0;

    void Place(const Canvas& picture) {
        if (x + picture.Width() + kGap > kWidth) NewRow();
        if (y + picture.Height() + kGap > sheet.Height()) Grow(y + picture.Height() + kGap);
        sheet.Paste(picture, x, y);
        x += picture.Width() + kGap;
        rowHeight = std::max(rowHeight, picture.Height());
    }
    void NewRow() {
        if (x == kGap) return;
        y += rowHeight + kGap;
        x = kGap;
        rowHeight = 0;
    }
    void Section() {
        NewRow();
        y += kGap * 2;
    }
    void Grow(int height) {
        Canvas bigger(kWidth, height + 256, Hex(0x1E1E26));
        bigger.Paste(sheet, 0, 0);
        sheet = std::move(bigger);
    }
};

std::vector<const AssetJob*> Folder(const std::vector<AssetJob>& jobs, const std::string& prefix) {
    std::vector<const AssetJob*> out;
    for (const AssetJob& j : jobs)
        if (j.picture && j.path.starts_with(prefix)) out.push_back(&j);
    return out;
}

std::vector<const AssetJob*> Sample(const std::vector<const AssetJob*>& all, int count) {
    if (int(all.size()) <= count) return all;
    std::vector<const AssetJob*> out;
    for (int i = 0; i < count; ++i) out.push_back(all[size_t(i) * all.size() / size_t(count)]);
    return out;
}

// Pictures with a transparent background are shown on a plate, as they
// would stand in front of a scene.
Canvas OnPlate(const Canvas& picture, Rgba top, Rgba bottom) {
    Canvas plate(picture.Width() + 8, picture.Height() + 8);
    for (int y = 0; y < plate.Height(); ++y)
        for (int x = 0; x < plate.Width(); ++x) plate.At(x, y) = Mix(top, bottom, float(y) / plate.Height());
    plate.Paste(picture, 4, 4);
    return plate;
}

}  // namespace

Canvas BuildContactSheet(const std::vector<AssetJob>& jobs, int enemySamples, int effectSamples) {
    Shelf shelf;
    shelf.sheet = Canvas(kWidth, 1024, Hex(0x1E1E26));
    for (const AssetJob* j : Folder(jobs, "image\\back\\")) shelf.Place(j->picture().Resized(256, 192));
    shelf.Section();
    for (const AssetJob* j : Folder(jobs, "image\\face\\")) shelf.Place(j->picture().Resized(96, 96));
    shelf.Section();
    for (const AssetJob* j : Folder(jobs, "image\\state\\")) {
        const Canvas icon = j->picture();
        shelf.Place(OnPlate(icon.Resized(icon.Width() * 2, icon.Height() * 2), Hex(0x3A4660), Hex(0x2A3044)));
    }
    shelf.Section();
    for (const AssetJob* j : Sample(Folder(jobs, "image\\enemy\\"), enemySamples))
        shelf.Place(OnPlate(j->picture(), Hex(0x8FB4D8), Hex(0x6E8E5A)));
    shelf.Section();
    for (const AssetJob* j : Sample(Folder(jobs, "image\\effect\\"), effectSamples)) {
        const Canvas strip = j->picture();
        const int columns = strip.Width() / kEffectCell, rows = strip.Height() / kEffectCell;
        const int frames = columns * rows, shown = std::min(frames, 8);
        Canvas row(shown * 64, 64, Hex(0x000000));
        for (int i = 0; i < shown; ++i) {
            const int f = i * frames / shown;
            Canvas cell(kEffectCell, kEffectCell);
            for (int y = 0; y < kEffectCell; ++y)
                for (int x = 0; x < kEffectCell; ++x)
                    // The strip is premultiplied light: added onto black it
                    // shows its colour channels as they stand.
                    cell.At(x, y) = WithAlpha(strip.At((f % columns) * kEffectCell + x, (f / columns) * kEffectCell + y), 1);
            row.Paste(cell.Resized(64, 64), i * 64, 0);
        }
        shelf.Place(row);
    }
    shelf.NewRow();
    Canvas out(kWidth, shelf.y + kGap, Hex(0x1E1E26));
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < kWidth; ++x) out.At(x, y) = shelf.sheet.At(x, y);
    return out;
}

}  // namespace assetgen
