#pragma once
// The players' screenshot key: the current picture saved as a PNG file in
// the "screenshot" folder, named after the local time it was taken.
#include <cstdint>
#include <ctime>

#include "engine/text/WString.h"

// "screenshot\20240131-235959.png"; from the second shot in the same second
// on, "-2", "-3", ... before the extension.
WString ScreenshotPath(const std::tm& localTime, int32_t sequence);

// Saves the last presented frame; the path written, or empty on failure.
WString SaveScreenshot(std::time_t now);
