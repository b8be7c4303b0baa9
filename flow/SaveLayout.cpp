#include "flow/SaveLayout.h"

#include <cstdio>

namespace {

using namespace SaveLayout;

class Writer {
public:
    explicit Writer(size_t size) { bytes_.reserve(size); }
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(v >> shift));
    }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    template <typename T, size_t N>
    void Table(const std::array<T, N>& values) {
        for (T v : values) {
            if constexpr (sizeof(T) == 1) U8(v);
            else U32(static_cast<uint32_t>(v));
        }
    }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// Every read is bounds-checked; the first failure sticks and later reads
// give zeros, so the decoder reads straight through and checks once.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint8_t U8() {
        if (!Need(1)) return 0;
        return bytes_[pos_++];
    }
    uint32_t U32() {
        if (!Need(4)) return 0;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t{bytes_[pos_ + i]} << (8 * i);
        pos_ += 4;
        return v;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    template <typename T, size_t N>
    void Table(std::array<T, N>& values) {
        for (T& v : values) {
            if constexpr (sizeof(T) == 1) v = U8();
            else v = static_cast<T>(U32());
        }
    }
    // A list length, refused before anything is allocated when its
    // elements cannot be in the bytes that are left.
    bool Length(uint32_t& length, size_t elementBytes) {
        length = U32();
        if (!check_.Ok()) return false;
        if (uint64_t{length} * elementBytes > bytes_.size() - pos_) {
            Fail(SaveFault::kListTooLong, length);
            return false;
        }
        return true;
    }
    void Fail(SaveFault fault, uint64_t value = 0) {
        if (!check_.Ok()) return;
        check_.fault = fault;
        check_.offset = pos_;
        check_.value = value;
    }
    bool Ok() const { return check_.Ok(); }
    bool AtEnd() const { return pos_ == bytes_.size(); }
    size_t Position() const { return pos_; }
    const SaveCheck& Check() const { return check_; }

private:
    bool Need(size_t n) {
        if (!check_.Ok()) return false;
        if (bytes_.size() - pos_ < n) {
            Fail(SaveFault::kEndsEarly, bytes_.size());
            return false;
        }
        return true;
    }

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    SaveCheck check_;
};

template <typename T, typename ReadOne>
bool ReadList(Reader& in, std::vector<T>& list, size_t elementBytes, ReadOne readOne) {
    uint32_t length = 0;
    if (!in.Length(length, elementBytes)) return false;
    list.resize(length);
    for (T& element : list) readOne(element);
    return in.Ok();
}

}  // namespace

size_t EncodedSaveSize(const SaveRecord& r) {
    return kFixedBytes + 4 * r.party.size() + 8 * r.shopStock.size() + 4 * r.inventory.size() +
           4 * r.storage.size();
}

std::vector<uint8_t> EncodeSave(const SaveRecord& r) {
    Writer out(EncodedSaveSize(r));
    out.I32(r.gold);
    out.I32(r.expPool);
    out.I32(r.level);
    out.I32(r.bountiesCleared);
    out.Table(r.counters);
    out.U32(static_cast<uint32_t>(r.party.size()));
    for (uint32_t member : r.party) out.U32(member);
    out.U32(static_cast<uint32_t>(r.shopStock.size()));
    for (const SaveStockRow& row : r.shopStock) {
        out.I32(row.item);
        out.I32(row.price);
    }
    out.U32(static_cast<uint32_t>(r.inventory.size()));
    for (int32_t item : r.inventory) out.I32(item);
    out.U32(static_cast<uint32_t>(r.storage.size()));
    for (int32_t item : r.storage) out.I32(item);
    out.Table(r.recipes);
    out.Table(r.maps);
    out.Table(r.checkpoints);
    out.Table(r.cards);
    out.Table(r.hired);
    out.Table(r.notices);
    out.Table(r.hunt);
    out.Table(r.clearLevel);
    out.Table(r.carried);
    for (const SaveCharacter& c : r.characters) {
        out.Table(c.equipment);
        out.I32(c.ranged);
    }
    return out.Take();
}

SaveCheck DecodeSave(std::span<const uint8_t> bytes, SaveRecord& record) {
    if (bytes.size() > kMaxFileBytes) {
        SaveCheck check;
        check.fault = SaveFault::kTooLarge;
        check.value = bytes.size();
        return check;
    }
    Reader in(bytes);
    SaveRecord r;
    r.gold = in.I32();
    r.expPool = in.I32();
    r.level = in.I32();
    r.bountiesCleared = in.I32();
    in.Table(r.counters);

    uint32_t partySize = in.U32();
    if (in.Ok() && partySize > static_cast<uint32_t>(kMaxParty)) in.Fail(SaveFault::kPartyTooLarge, partySize);
    if (in.Ok()) {
        r.party.resize(partySize);
        for (uint32_t& member : r.party) {
            member = in.U32();
            if (in.Ok() && member >= static_cast<uint32_t>(kCharacters))
                in.Fail(SaveFault::kBadCharacter, member);
        }
    }
    if (in.Ok()) {
        ReadList(in, r.shopStock, 8, [&in](SaveStockRow& row) {
            row.item = in.I32();
            row.price = in.I32();
        });
    }
    if (in.Ok()) ReadList(in, r.inventory, 4, [&in](int32_t& item) { item = in.I32(); });
    if (in.Ok()) ReadList(in, r.storage, 4, [&in](int32_t& item) { item = in.I32(); });

    in.Table(r.recipes);
    in.Table(r.maps);
    in.Table(r.checkpoints);
    in.Table(r.cards);
    in.Table(r.hired);
    in.Table(r.notices);
    in.Table(r.hunt);
    in.Table(r.clearLevel);
    in.Table(r.carried);
    for (SaveCharacter& c : r.characters) {
        in.Table(c.equipment);
        c.ranged = in.I32();
    }
    if (in.Ok() && !in.AtEnd()) in.Fail(SaveFault::kExtraBytes, bytes.size() - in.Position());
    if (in.Ok()) record = std::move(r);
    return in.Check();
}

std::string DescribeSaveCheck(const SaveCheck& check) {
    char text[160] = "";
    const unsigned long long value = check.value;
    const unsigned long long at = check.offset;
    switch (check.fault) {
        case SaveFault::kNone: return "accepted";
        case SaveFault::kMissing: return "the file cannot be opened";
        case SaveFault::kTooLarge:
            std::snprintf(text, sizeof text, "%llu bytes is far larger than any save", value);
            break;
        case SaveFault::kEndsEarly:
            std::snprintf(text, sizeof text, "the file ends early: %llu bytes, a value at byte %llu runs past the end",
                          value, at);
            break;
        case SaveFault::kListTooLong:
            std::snprintf(text, sizeof text, "a list of %llu entries (length read before byte %llu) does not fit the file",
                          value, at);
            break;
        case SaveFault::kPartyTooLarge:
            std::snprintf(text, sizeof text, "a party of %llu members (at most 4)", value);
            break;
        case SaveFault::kBadCharacter:
            std::snprintf(text, sizeof text, "party member %llu (before byte %llu) is no character (0-49)", value,
                          at);
            break;
        case SaveFault::kExtraBytes:
            std::snprintf(text, sizeof text, "%llu bytes after the end of the save, from byte %llu", value, at);
            break;
    }
    return text;
}
