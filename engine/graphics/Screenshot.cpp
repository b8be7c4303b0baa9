#include "engine/graphics/Screenshot.h"

#include "engine/graphics/GraphicsDevice.h"
#include "engine/text/Files.h"

WString ScreenshotPath(const std::tm& t, int32_t sequence) {
    WString path;
    path.Format("screenshot\\%04d%02d%02d-%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
    if (sequence > 1) path.AppendFormat("-%d", sequence);
    path.Append(WString(".png"));
    return path;
}

WString SaveScreenshot(std::time_t now) {
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return WString();
    // Never overwrite an earlier shot taken in the same second.
    constexpr int32_t kMaxPerSecond = 1000;
    for (int32_t sequence = 1; sequence <= kMaxPerSecond; ++sequence) {
        const WString path = ScreenshotPath(local, sequence);
        if (FileExists(path)) continue;
        CreateDirectories(path);
        return Graphics().SaveFrame(path) ? path : WString();
    }
    return WString();
}
