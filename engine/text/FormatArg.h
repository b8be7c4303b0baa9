#pragma once
// One argument of the game's printf-style formatting, captured by type so
// that "%S" can take UTF-16 text and a wrong type cannot read stray memory.
#include <cstdint>
#include <type_traits>

class WString;

class FormatArg {
public:
    enum class Kind { kNone, kSigned, kUnsigned, kDouble, kNarrow, kWide, kPointer };

    FormatArg() = default;
    template <class T>
        requires(std::is_integral_v<T> && std::is_signed_v<T>)
    FormatArg(T v) : kind_(Kind::kSigned), bytes_(sizeof(T)), i_(v) {}  // NOLINT
    template <class T>
        requires(std::is_integral_v<T> && std::is_unsigned_v<T> && !std::is_same_v<T, bool>)
    FormatArg(T v) : kind_(Kind::kUnsigned), u_(v) {}  // NOLINT
    FormatArg(bool v) : kind_(Kind::kSigned), i_(v ? 1 : 0) {}  // NOLINT
    template <class T>
        requires std::is_enum_v<T>
    FormatArg(T v) : FormatArg(static_cast<std::underlying_type_t<T>>(v)) {}  // NOLINT
    FormatArg(double v) : kind_(Kind::kDouble), d_(v) {}  // NOLINT
    FormatArg(float v) : kind_(Kind::kDouble), d_(v) {}   // NOLINT
    FormatArg(const char* s) : kind_(Kind::kNarrow), s_(s) {}  // NOLINT
    FormatArg(char* s) : kind_(Kind::kNarrow), s_(s) {}        // NOLINT
    FormatArg(const char16_t* s) : kind_(Kind::kWide), w_(s) {}  // NOLINT
    FormatArg(char16_t* s) : kind_(Kind::kWide), w_(s) {}        // NOLINT
    FormatArg(const WString& s);                                 // NOLINT
    FormatArg(const void* p) : kind_(Kind::kPointer), p_(p) {}  // NOLINT

    Kind kind() const { return kind_; }
    int64_t AsSigned() const;
    // Like printf, "%u" and "%x" of a negative 32-bit value show 32 bits.
    uint64_t AsUnsigned() const {
        const auto u = static_cast<uint64_t>(AsSigned());
        return bytes_ < 8 ? u & ((uint64_t{1} << (8 * bytes_)) - 1) : u;
    }
    double AsDouble() const;
    const char* narrow() const { return kind_ == Kind::kNarrow ? s_ : nullptr; }
    const char16_t* wide() const { return kind_ == Kind::kWide ? w_ : nullptr; }
    const void* pointer() const { return kind_ == Kind::kPointer ? p_ : nullptr; }

private:
    Kind kind_ = Kind::kNone;
    uint8_t bytes_ = 8;
    union {
        int64_t i_ = 0;
        uint64_t u_;
        double d_;
        const char* s_;
        const char16_t* w_;
        const void* p_;
    };
};
