#pragma once
// The library's own UTF-8 / UTF-16 conversions (it links nothing of the game).
#include <string>
#include <string_view>

namespace sx {

// Malformed input becomes U+FFFD; nothing is dropped silently.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// Length of a terminated UTF-16 text.
size_t Length16(const char16_t* text);

}  // namespace sx
