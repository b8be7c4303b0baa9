#include "engine/notice/PictureFiles.h"

#include "engine/graphics/GraphicsDevice.h"
#include "engine/notice/Missing.h"
#include "platform/NativePath.h"

bool LoadGamePicture(Texture& texture, const WString& path, Size grid) {
    if (texture.Load(path, grid)) return true;
    if (Graphics().IsCreated() && texture.Empty())
        ReportMissing(MissingKind::kPicture, platform::NativePath(path.View()));
    return false;
}
