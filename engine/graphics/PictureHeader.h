#pragma once
// A look at a picture file's head before it is decoded: a BMP or PNG that
// claims a size no picture of the game has would make the decoder ask for
// gigabytes (a PNG of zeros compresses a 30000 x 30000 picture into a few
// megabytes), so such a file is refused as broken. Other files pass; the
// decoder judges them.
#include <cstdint>
#include <string>

inline constexpr int32_t kLargestPictureSide = 8192;

// False when the file is a BMP or PNG whose width or height is 0 or above
// kLargestPictureSide, whose head is cut short, or a PNG whose chunks run
// past the end of the file (a download cut short).
bool PictureSizeAcceptable(const std::string& nativePath);
