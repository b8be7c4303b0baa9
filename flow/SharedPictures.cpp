#include "flow/SharedPictures.h"

#include "engine/notice/PictureFiles.h"
#include "flow/Palette.h"

namespace {

void LoadKeyed(Texture& texture, const WString& path) {
    if (LoadGamePicture(texture, path)) texture.ApplyColorKey();
    // Never locked again: the device's copy is the only one kept.
    texture.DropPixelCopy();
}

}  // namespace

SharedPictures& Pictures() {
    static SharedPictures pictures;
    return pictures;
}

void LoadSharedPictures() {
    SharedPictures& p = Pictures();
    WString path;
    for (size_t n = 0; n < p.backgrounds.size(); ++n) {
        path.Format("image\\back\\%d.bmp", static_cast<int32_t>(n));
        if (LoadGamePicture(p.backgrounds[n], path)) p.backgrounds[n].DropPixelCopy();
    }
    for (size_t n = 0; n < p.statusIcons.size(); ++n) {
        path.Format("image\\state\\%d.bmp", static_cast<int32_t>(n));
        LoadKeyed(p.statusIcons[n], path);
    }
    LoadKeyed(p.up, WString("image\\state\\up.bmp"));
    LoadKeyed(p.down, WString("image\\state\\down.bmp"));
    p.panel.CreateSolid(palette::kWhite);
}

void ReleaseSharedPictures() {
    SharedPictures& p = Pictures();
    for (Texture& t : p.backgrounds) t.Release();
    for (Texture& t : p.statusIcons) t.Release();
    p.up.Release();
    p.down.Release();
    p.panel.Release();
}
