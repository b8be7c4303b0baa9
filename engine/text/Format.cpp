#include "engine/text/Format.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "engine/text/WString.h"
#include "platform/Utf.h"

FormatArg::FormatArg(const WString& s) : kind_(Kind::kWide), w_(s.CStr()) {}

int64_t FormatArg::AsSigned() const {
    switch (kind_) {
        case Kind::kSigned: return i_;
        case Kind::kUnsigned: return static_cast<int64_t>(u_);
        case Kind::kDouble: return static_cast<int64_t>(d_);
        default: return 0;
    }
}

double FormatArg::AsDouble() const {
    switch (kind_) {
        case Kind::kDouble: return d_;
        case Kind::kSigned: return static_cast<double>(i_);
        case Kind::kUnsigned: return static_cast<double>(u_);
        default: return 0.0;
    }
}

namespace {

size_t Utf16Length(const char16_t* s) {
    size_t n = 0;
    while (s[n] != 0) ++n;
    return n;
}

// Runs snprintf for one conversion, growing the buffer when it is too small.
template <class T>
void AppendOne(std::string& out, const std::string& conversion, T value) {
    char small[128];
    int n = std::snprintf(small, sizeof small, conversion.c_str(), value);
    if (n < 0) return;
    if (static_cast<size_t>(n) < sizeof small) {
        out.append(small, static_cast<size_t>(n));
        return;
    }
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), conversion.c_str(), value);
    out.append(big.data(), static_cast<size_t>(n));
}

}  // namespace

std::string FormatNarrowList(const char* format, const FormatArg* args, size_t count) {
    std::string out;
    if (format == nullptr) return out;
    size_t next = 0;
    const auto take = [&]() -> const FormatArg* {
        static const FormatArg kNone{};
        return next < count ? &args[next++] : &kNone;
    };

    const char* p = format;
    while (*p != 0) {
        if (*p != '%') {
            out.push_back(*p++);
            continue;
        }
        const char* start = p++;
        if (*p == '%') {
            out.push_back('%');
            ++p;
            continue;
        }
        std::string conversion = "%";
        while (*p != 0 && std::strchr("-+ #0", *p) != nullptr) conversion.push_back(*p++);
        const auto number = [&]() {
            if (*p == '*') {
                conversion += std::to_string(static_cast<int>(take()->AsSigned()));
                ++p;
            } else {
                while (*p >= '0' && *p <= '9') conversion.push_back(*p++);
            }
        };
        number();
        if (*p == '.') {
            conversion.push_back(*p++);
            number();
        }
        while (*p != 0 && std::strchr("hlLqjzt", *p) != nullptr) ++p;  // sizes come from the argument
        const char conv = *p;
        if (conv == 0) {
            out.append(start);  // dangling '%': keep it as written
            break;
        }
        ++p;
        switch (conv) {
            case 'd': case 'i':
                AppendOne(out, conversion + "lld", static_cast<long long>(take()->AsSigned()));
                break;
            case 'u': case 'x': case 'X': case 'o':
                AppendOne(out, conversion + "ll" + conv,
                          static_cast<unsigned long long>(take()->AsUnsigned()));
                break;
            case 'c':
                AppendOne(out, conversion + "c", static_cast<int>(take()->AsSigned()));
                break;
            case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
                AppendOne(out, conversion + conv, take()->AsDouble());
                break;
            case 's': case 'S': {
                const FormatArg* a = take();
                std::string text;
                if (a->wide() != nullptr) {
                    text = platform::Utf16ToUtf8({a->wide(), Utf16Length(a->wide())});
                } else if (a->narrow() != nullptr) {
                    text = a->narrow();
                } else if (a->kind() == FormatArg::Kind::kNone) {
                    text = "(null)";
                } else {
                    text = std::to_string(a->AsSigned());
                }
                AppendOne(out, conversion + "s", text.c_str());
                break;
            }
            case 'p':
                AppendOne(out, conversion + "p", const_cast<void*>(take()->pointer()));
                break;
            default:
                out.append(start, p);  // unknown conversion: keep it as written
                break;
        }
    }
    return out;
}
