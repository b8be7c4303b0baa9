#pragma once
// Hue, saturation and value shifting of one 32-bit ARGB pixel, the recolouring
// that content uses to make variants of a picture.
#include <cstdint>

// Hue in degrees, saturation and value in hundredths. Every channel, alpha
// too, goes through /255 and back with truncation, so a channel may come
// back one lower than it went in: that rounding is part of the look.
uint32_t ShiftHsvPixel(uint32_t argb, int32_t hue, int32_t saturation, int32_t value);
