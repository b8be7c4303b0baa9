#include "engine/text/WString.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "engine/text/Files.h"
#include "engine/text/Format.h"
#include "engine/text/Pattern.h"
#include "platform/NativePath.h"
#include "platform/Utf.h"

namespace {

int8_t g_hexValue[256];
bool g_hexFilled = false;

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

size_t Utf16Length(const char16_t* s) {
    size_t n = 0;
    while (s[n] != 0) ++n;
    return n;
}

}  // namespace

void FillHexTable() {
    std::memset(g_hexValue, 0, sizeof g_hexValue);
    for (int c = '0'; c <= '9'; ++c) g_hexValue[c] = static_cast<int8_t>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c) g_hexValue[c] = static_cast<int8_t>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c) g_hexValue[c] = static_cast<int8_t>(c - 'A' + 10);
    g_hexFilled = true;
}

WString::WString() { SetUnits(nullptr, 0); }

WString::WString(const char16_t* text) {
    SetUnits(text, text ? static_cast<uint32_t>(Utf16Length(text)) : 0);
}

WString::WString(const char* narrow) {
    const std::u16string wide = platform::Utf8ToUtf16(narrow ? narrow : "");
    SetUnits(wide.data(), static_cast<uint32_t>(wide.size()));
}

WString::WString(std::u16string_view text) {
    SetUnits(text.data(), static_cast<uint32_t>(text.size()));
}

WString::WString(const WString& other) : WString() { Assign(other); }

WString::WString(WString&& other) noexcept
    : length_(other.length_), style_(other.style_), buffer_(std::move(other.buffer_)) {
    other.SetUnits(nullptr, 0);
    RewriteLineBreaks(style_);
}

WString& WString::operator=(const WString& other) {
    if (this != &other) Assign(other);
    return *this;
}

WString& WString::operator=(WString&& other) noexcept {
    if (this != &other) {
        length_ = other.length_;
        style_ = other.style_;
        buffer_ = std::move(other.buffer_);
        other.SetUnits(nullptr, 0);
        RewriteLineBreaks(style_);
    }
    return *this;
}

void WString::SetUnits(const char16_t* units, uint32_t length) {
    auto fresh = std::make_unique<char16_t[]>(length + 1);
    if (length > 0) std::copy(units, units + length, fresh.get());
    fresh[length] = 0;
    buffer_ = std::move(fresh);
    length_ = length;
}

void WString::RewriteLineBreaks(int32_t fallbackStyle) {
    const std::u16string_view v = View();
    if (v.find(u"\r\n") != std::u16string_view::npos) style_ = kCrLf;
    else if (v.find(u'\n') != std::u16string_view::npos) style_ = kLf;
    else if (v.find(u'\r') != std::u16string_view::npos) style_ = kCr;
    else style_ = fallbackStyle;
    if (v.find(u'\r') == std::u16string_view::npos) return;

    std::u16string out;
    out.reserve(length_);
    for (uint32_t i = 0; i < length_; ++i) {
        if (buffer_[i] == u'\r') {
            out.push_back(u'\n');
            if (i + 1 < length_ && buffer_[i + 1] == u'\n') ++i;
        } else {
            out.push_back(buffer_[i]);
        }
    }
    SetUnits(out.data(), static_cast<uint32_t>(out.size()));
}

void WString::Assign(const WString& other) {
    if (this != &other) SetUnits(other.CStr(), other.length_);
    RewriteLineBreaks(other.style_);
}

void WString::Append(const WString& other) {
    std::u16string joined(View());
    joined.append(other.View());
    SetUnits(joined.data(), static_cast<uint32_t>(joined.size()));
}

void WString::FormatList(const char* format, const FormatArg* args, size_t count) {
    Assign(WString(FormatNarrowList(format, args, count).c_str()));
}

void WString::AppendFormatList(const char* format, const FormatArg* args, size_t count) {
    Append(WString(FormatNarrowList(format, args, count).c_str()));
}

std::string WString::ToUtf8() const { return platform::Utf16ToUtf8(View()); }

bool WString::ToInt(int32_t* result) const {
    if (!g_hexFilled) FillHexTable();
    uint32_t pos = 0;
    bool negative = false, hex = false;
    if (length_ >= 1 && buffer_[0] == u'-') {
        negative = true;
        pos = 1;
    } else if (length_ >= 2 && buffer_[0] == u'0' && buffer_[1] == u'x') {
        hex = true;
        pos = 2;
    }
    if (pos >= length_) return false;
    for (uint32_t i = pos; i < length_; ++i) {
        const char16_t c = buffer_[i];
        if (hex ? !IsHexDigit(c) : !(c >= u'0' && c <= u'9')) return false;
    }
    uint32_t value = 0;  // wraps at 32 bits, as the digits are summed
    for (uint32_t i = pos; i < length_; ++i) {
        value = hex ? (value << 4) + static_cast<uint32_t>(g_hexValue[buffer_[i]])
                    : value * 10 + static_cast<uint32_t>(g_hexValue[buffer_[i]]);
    }
    if (negative) value = 0u - value;
    if (result != nullptr) *result = static_cast<int32_t>(value);
    return true;
}

bool WString::FindAll(MatchList& out, const WString& needle, bool pattern,
                      const WString& quote) const {
    out.clear();
    if (pattern) {
        Pattern compiled(needle);
        uint32_t p = 0;
        while (p < length_) {
            uint32_t first, end;
            if (!compiled.Search(*this, p, first, end)) break;
            if (end == first) {  // an empty match would never advance the scan
                p = first + 1;
                continue;
            }
            out.emplace_back(first, end - 1);
            p = end;
        }
        return !out.empty();
    }

    const uint32_t n = needle.length_;
    if (n == 0 || n > length_) return false;
    const std::u16string_view text = View();
    const std::u16string_view what = needle.View();
    const std::u16string_view q = quote.View();
    bool outside = true;
    for (uint32_t i = 0; i < length_;) {
        if (!q.empty() && text.substr(i, q.size()) == q) outside = !outside;
        if (outside && i + n <= length_ && text.substr(i, n) == what) {
            out.emplace_back(i, i + n - 1);
            i += n;
        } else {
            ++i;
        }
    }
    return !out.empty();
}

namespace {

// The text with every matched stretch replaced by `with`.
std::u16string Splice(std::u16string_view text, const MatchList& found, std::u16string_view with) {
    std::u16string out;
    uint32_t from = 0;
    for (const auto& [first, last] : found) {
        out.append(text.substr(from, first - from));
        out.append(with);
        from = last + 1;
    }
    out.append(text.substr(from));
    return out;
}

}  // namespace

bool WString::ReplaceAll(const WString& needle, const WString& replacement, bool pattern,
                         const WString& quote) {
    MatchList found;
    if (!FindAll(found, needle, pattern, quote)) return false;
    WString rebuilt{std::u16string_view(Splice(View(), found, replacement.View()))};
    rebuilt.style_ = style_;
    Assign(rebuilt);
    return true;
}

bool WString::RemoveAll(const WString& needle, bool pattern, const WString& quote) {
    if (!pattern && needle.length_ == 1 && quote.Empty()) {
        const char16_t c = needle.buffer_[0];
        std::u16string kept;
        kept.reserve(length_);
        std::copy_if(buffer_.get(), buffer_.get() + length_, std::back_inserter(kept),
                     [c](char16_t u) { return u != c; });
        SetUnits(kept.data(), static_cast<uint32_t>(kept.size()));
        return true;
    }
    MatchList found;
    if (!FindAll(found, needle, pattern, quote)) return false;
    const std::u16string out = Splice(View(), found, {});
    SetUnits(out.data(), static_cast<uint32_t>(out.size()));
    return true;
}

bool WString::ReadTextFile(const WString& path) {
    if (!FileExists(path)) return false;
    std::ifstream file(platform::NativePath(path.View()), std::ios::binary);
    if (!file) return false;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return false;
    std::string_view view(bytes);
    if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
    // Text stops at the first NUL, as it would in a terminated buffer.
    view = view.substr(0, view.find('\0'));
    const std::u16string wide = platform::IsValidUtf8(view) ? platform::Utf8ToUtf16(view)
                                                            : platform::Cp932ToUtf16(view);
    Assign(WString(std::u16string_view(wide)));
    return true;
}

WString operator+(const WString& a, const WString& b) {
    WString joined(a.View());
    joined.Append(b);
    return joined;
}
