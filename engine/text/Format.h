#pragma once
// printf-style formatting into narrow (UTF-8) text. "%S" takes UTF-16 text
// (a WString or a char16_t pointer). The result grows as needed: there is
// no fixed buffer to overflow.
#include <string>

#include "engine/text/FormatArg.h"

std::string FormatNarrowList(const char* format, const FormatArg* args, size_t count);

template <class... Args>
std::string FormatNarrow(const char* format, const Args&... args) {
    const FormatArg list[] = {FormatArg(args)..., FormatArg()};
    return FormatNarrowList(format, list, sizeof...(Args));
}
