#include "flow/SharedPictures.h"

#include "content/ContentDatabase.h"
#include "engine/notice/PictureFiles.h"
#include "flow/Palette.h"

namespace {

constexpr size_t kTitleBackground = 0;

void LoadKeyed(Texture& texture, const WString& path) {
    if (LoadGamePicture(texture, path)) texture.ApplyColorKey();
    // Never locked again: the device's copy is the only one kept.
    texture.DropPixelCopy();
}

void LoadBackground(size_t n) {
    SharedPictures& p = Pictures();
    p.backgroundWaiting[n] = false;
    WString path;
    path.Format("image\\back\\%d.bmp", static_cast<int32_t>(n));
    if (LoadGamePicture(p.backgrounds[n], path)) p.backgrounds[n].DropPixelCopy();
}

}  // namespace

SharedPictures& Pictures() {
    static SharedPictures pictures;
    return pictures;
}

void LoadSharedPictures() {
    LoadStartPictures();
    while (LoadQueuedPicture()) {
    }
}

void LoadStartPictures() {
    SharedPictures& p = Pictures();
    p.backgroundWaiting.fill(true);
    LoadBackground(kTitleBackground);
    WString path;
    for (size_t n = 0; n < p.statusIcons.size(); ++n) {
        path.Format("image\\state\\%d.bmp", static_cast<int32_t>(n));
        LoadKeyed(p.statusIcons[n], path);
    }
    LoadKeyed(p.up, WString("image\\state\\up.bmp"));
    LoadKeyed(p.down, WString("image\\state\\down.bmp"));
    p.panel.CreateSolid(palette::kWhite);
}

bool LoadQueuedPicture() {
    const SharedPictures& p = Pictures();
    for (size_t n = 0; n < p.backgrounds.size(); ++n) {
        if (!p.backgroundWaiting[n]) continue;
        LoadBackground(n);
        return true;
    }
    return LoadQueuedContentPicture();
}

const Texture& Background(size_t number) {
    if (Pictures().backgroundWaiting[number]) LoadBackground(number);
    return Pictures().backgrounds[number];
}

void ReleaseSharedPictures() {
    SharedPictures& p = Pictures();
    p.backgroundWaiting.fill(false);
    for (Texture& t : p.backgrounds) t.Release();
    for (Texture& t : p.statusIcons) t.Release();
    p.up.Release();
    p.down.Release();
    p.panel.Release();
}
