#include "content/ContentPictures.h"

#include "engine/notice/PictureFiles.h"

void LoadEffectPicture(EffectData& row) {
    row.sprite.Release();
    if (row.picture.Empty()) return;
    WString path;
    path.Format("image\\effect\\%S", row.picture);
    // A failed step leaves the rest of the row's picture steps undone.
    if (!LoadGamePicture(row.sprite, path, Size{row.columns, row.rows})) return;
    if (!row.sprite.ApplyColorKey()) return;
    row.sprite.ShiftHSV(row.hue, 0, 0);
    // Never locked again: the device's copy is the only one kept.
    row.sprite.DropPixelCopy();
}

void LoadEnemyPicture(EnemyData& row) {
    row.sprite.Release();
    if (row.picture.Empty()) return;
    WString path;
    path.Format("image\\enemy\\%S", row.picture);
    if (!LoadGamePicture(row.sprite, path)) return;
    if (!row.sprite.ApplyColorKey()) return;
    if (!row.sprite.ShiftHSV(row.hue, 0, 0)) return;
    row.sprite.DropPixelCopy();
    const Size size = row.sprite.ImageSize();
    row.sprite.SetImageSize(Size{static_cast<int32_t>(size.w * row.scale),
                                 static_cast<int32_t>(size.h * row.scale)});
}

void LoadCharacterFace(CharacterData& row) {
    row.face.Release();
    if (row.name.Empty()) return;
    WString path;
    path.Format("image\\face\\%d.bmp", row.faceNumber);
    if (LoadGamePicture(row.face, path)) row.face.DropPixelCopy();
}
