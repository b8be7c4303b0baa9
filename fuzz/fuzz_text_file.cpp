// Feeds arbitrary bytes to the whole-file text reader (UTF-8 with or
// without a mark, else the old Japanese code page), then does with the text
// what the option files do with it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/text/WString.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

std::string g_path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    g_path = std::string(folder) + "/fuzz-text-" + std::to_string(getpid()) + ".txt";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(g_path.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    WString text("untouched");
    Require(text.ReadTextFile(WString(g_path.c_str())));
    // Every break is a single line feed once read; the style says what it was.
    Require(text.View().find(u'\r') == std::u16string_view::npos);
    Require(text.Style() >= WString::kCr && text.Style() <= WString::kCrLf);
    Require(text.View().find(u'\0') == std::u16string_view::npos);
    // Never more units than bytes: each unit comes from at least one byte.
    Require(text.Length() <= size);

    WString squeezed = text;
    squeezed.RemoveAll(WString("\n"), false, WString());
    squeezed.RemoveAll(WString(" "), false, WString());
    squeezed.RemoveAll(WString("\t"), false, WString());
    Require(squeezed.Length() <= text.Length());
    int32_t number = 0;
    squeezed.ToInt(&number);
    const std::string utf8 = text.ToUtf8();
    Require(WString(utf8.c_str()).Length() <= text.Length() || utf8.find('\0') != std::string::npos);
    return 0;
}
