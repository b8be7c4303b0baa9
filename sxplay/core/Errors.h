#pragma once
// Result codes of the library and their messages.
#include <cstdint>
#include <string_view>

namespace sx {

enum Error : int32_t {
    kOk = 0,
    kInternal = 1,
    kNoMemory = 2,
    kBadCall = 3,
    kBadParameter = 4,
    kDeviceFailed = 10,
    kOpenFailed = 20,
    kReadFailed = 21,
    kBadFormat = 22,
    kTooLarge = 23,
    kUnsupported = 24,
    kReadOnly = 100,
};

// The UTF-16 message of a code; empty for a code the library never returns.
std::u16string_view ErrorMessage(int32_t code);

}  // namespace sx
