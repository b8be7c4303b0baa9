#pragma once
// The game's one string type: UTF-16 code units, built from narrow UTF-8
// literals. Every change of length reallocates exactly length + 1 units.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/text/FormatArg.h"

class WString;
using MatchList = std::vector<std::pair<uint32_t, uint32_t>>;  // (first, last), inclusive

class WString {
public:
    enum LineBreak : int32_t { kCr = 0, kLf = 1, kCrLf = 2 };

    WString();
    WString(const char16_t* text);  // NOLINT: implicit like a literal
    WString(const char* narrow);    // NOLINT
    WString(std::u16string_view text);
    WString(const WString& other);
    WString(WString&& other) noexcept;
    WString& operator=(const WString& other);
    WString& operator=(WString&& other) noexcept;
    ~WString() = default;

    // Replaces the contents and rewrites CR LF and CR to LF, remembering
    // which style the source used.
    void Assign(const WString& other);
    void Append(const WString& other);

    template <class... Args>
    void Format(const char* format, const Args&... args) {
        const FormatArg list[] = {FormatArg(args)..., FormatArg()};
        FormatList(format, list, sizeof...(Args));
    }
    template <class... Args>
    void AppendFormat(const char* format, const Args&... args) {
        const FormatArg list[] = {FormatArg(args)..., FormatArg()};
        AppendFormatList(format, list, sizeof...(Args));
    }
    void FormatList(const char* format, const FormatArg* args, size_t count);
    void AppendFormatList(const char* format, const FormatArg* args, size_t count);

    uint32_t Length() const { return length_; }
    bool Empty() const { return length_ == 0; }
    const char16_t* CStr() const { return buffer_.get(); }
    const char16_t* At(uint32_t index) const { return buffer_.get() + index; }
    char16_t operator[](uint32_t index) const { return buffer_[index]; }
    int32_t Style() const { return style_; }
    std::u16string_view View() const { return {buffer_.get(), length_}; }
    std::string ToUtf8() const;

    bool operator==(const WString& o) const { return View() == o.View(); }
    bool operator!=(const WString& o) const { return !(*this == o); }
    bool operator<(const WString& o) const { return View() < o.View(); }
    bool operator>(const WString& o) const { return o < *this; }

    bool ToInt(int32_t* result = nullptr) const;

    bool FindAll(MatchList& out, const WString& needle, bool pattern, const WString& quote) const;
    bool ReplaceAll(const WString& needle, const WString& replacement, bool pattern,
                    const WString& quote);
    bool RemoveAll(const WString& needle, bool pattern, const WString& quote);

    // Reads a whole file: UTF-8 (a BOM is skipped), else CP932.
    bool ReadTextFile(const WString& path);

private:
    void SetUnits(const char16_t* units, uint32_t length);
    void RewriteLineBreaks(int32_t fallbackStyle);

    uint32_t length_ = 0;
    int32_t style_ = kCrLf;
    std::unique_ptr<char16_t[]> buffer_;
};

WString operator+(const WString& a, const WString& b);

// Fills the digit value table used by ToInt; called once at start-up (and
// lazily, so tests need not).
void FillHexTable();
