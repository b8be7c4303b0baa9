// The byte decoder on its own: what it refuses, and that whatever it
// accepts comes back out as the same bytes.
#include <gtest/gtest.h>

#include "SaveFixture.h"
#include "flow/SaveLayout.h"

namespace {

using namespace savetest;

// A save with the given list lengths, every value distinct enough to spot.
Bytes MakeSave(std::vector<uint32_t> party, uint32_t stock, uint32_t inventory, uint32_t storage) {
    ByteBuilder b;
    b.I32(-5).I32(6).I32(7).I32(8).Repeat32(10, 3);
    b.U32(static_cast<uint32_t>(party.size()));
    for (uint32_t member : party) b.U32(member);
    b.U32(stock).Repeat32(static_cast<int32_t>(2 * stock), 0x1234);
    b.U32(inventory).Repeat32(static_cast<int32_t>(inventory), 0x2345);
    b.U32(storage).Repeat32(static_cast<int32_t>(storage), 0x3456);
    b.Repeat32(1250 + 50 + 50 + 50, 1);
    for (int i = 0; i < 50; ++i) b.U8(1);
    b.Repeat32(400, 2);
    for (int i = 0; i < 400; ++i) b.U8(1);
    b.Repeat32(400, 9).Repeat32(12, 0x4567).Repeat32(50 * 6, 0x5678);
    return b.Get();
}

SaveCheck Decode(const Bytes& bytes, SaveRecord& record) { return DecodeSave(bytes, record); }

SaveFault FaultOf(const Bytes& bytes) {
    SaveRecord record;
    return Decode(bytes, record).fault;
}

void PutU32(Bytes& bytes, size_t offset, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(v >> (8 * i));
}

TEST(SaveLayout, SizeFollowsTheListsAndBytesComeBackUnchanged) {
    const Bytes bytes = MakeSave({0, 49, 49}, 2, 3, 1);
    EXPECT_EQ(bytes.size(), 10'570u + 12 + 16 + 12 + 4);
    SaveRecord record;
    ASSERT_TRUE(Decode(bytes, record).Ok());
    EXPECT_EQ(record.gold, -5);
    EXPECT_EQ(record.party, (std::vector<uint32_t>{0, 49, 49}));
    EXPECT_EQ(record.characters[49].ranged, 0x5678);
    EXPECT_EQ(EncodedSaveSize(record), bytes.size());
    EXPECT_EQ(EncodeSave(record), bytes);

    EXPECT_EQ(FaultOf(MakeSave({}, 0, 0, 0)), SaveFault::kNone);  // an empty party reads
}

TEST(SaveLayout, RefusesWhatCannotBeASave) {
    EXPECT_EQ(FaultOf(MakeSave({0, 1, 2, 3, 4}, 0, 0, 0)), SaveFault::kPartyTooLarge);
    EXPECT_EQ(FaultOf(MakeSave({0, 50}, 0, 0, 0)), SaveFault::kBadCharacter);
    EXPECT_EQ(FaultOf(MakeSave({0xFFFFFFFF}, 0, 0, 0)), SaveFault::kBadCharacter);  // -1

    Bytes longer = MakeSave({0}, 0, 0, 0);
    longer.push_back(0);
    EXPECT_EQ(FaultOf(longer), SaveFault::kExtraBytes);

    // Lengths whose bytes would wrap a 32-bit product, and plain huge ones.
    const size_t stockLength = 56 + 4 + 4;
    for (uint32_t length : {0xFFFFFFFFu, 0x20000000u, 0x40000000u, 0x80000000u, 100000u}) {
        Bytes bytes = MakeSave({0}, 0, 0, 0);
        PutU32(bytes, stockLength, length);
        EXPECT_EQ(FaultOf(bytes), SaveFault::kListTooLong) << length;
        PutU32(bytes, stockLength, 0);
        PutU32(bytes, stockLength + 4, length);  // inventory
        EXPECT_EQ(FaultOf(bytes), SaveFault::kListTooLong) << length;
    }
    // A length that fits the bytes but leaves too few for the tables.
    Bytes bytes = MakeSave({0}, 0, 0, 0);
    PutU32(bytes, stockLength + 8, 2000);
    EXPECT_NE(FaultOf(bytes), SaveFault::kNone);
}

}  // namespace
