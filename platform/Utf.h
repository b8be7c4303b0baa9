#pragma once
// Conversions between the encodings the game meets: UTF-16 inside the game,
// UTF-8 for narrow text and file names, CP932 for old text files.
#include <string>
#include <string_view>

namespace platform {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
bool IsValidUtf8(std::string_view bytes);
// CP932 through iconv; undecodable bytes become U+FFFD instead of stopping.
std::u16string Cp932ToUtf16(std::string_view bytes);

}  // namespace platform
