// Saves that fail part way never cost the previous save, and files that are
// not whole saves are refused without touching the game.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "SaveFixture.h"
#include "rules/Equipment.h"

namespace {

using namespace savetest;

namespace fs = std::filesystem;

void SetSomeState(int32_t gold) {
    NewGame();
    GameParty().gold = gold;
    GameParty().inventory = {PackItem(1, 30), PackItem(2, 100), PackItem(561, 80)};
    GameExpedition().questsDefeated = gold % 7;
}

void PutU32(Bytes& bytes, size_t offset, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(v >> (8 * i));
}

TEST_F(SaveTest, EveryShortenedFileIsRefusedAndChangesNothing) {
    SetSomeState(1000);
    ASSERT_TRUE(SaveGame(0));
    const Bytes whole = ReadBytes(Slot(0));
    SetSomeState(2000);
    const Bytes before = CurrentBytes();
    LastUsedSlot() = 6;

    WriteBytes(Slot(1), whole);
    for (size_t length = whole.size(); length-- > 0;) {
        fs::resize_file(Slot(1), length);
        ASSERT_FALSE(LoadGame(1)) << length;
        ASSERT_EQ(CurrentBytes(), before) << length;
        SlotSummary summary;
        ASSERT_FALSE(ReadSlotSummary(1, summary)) << length;
        ASSERT_EQ(summary.damaged, 1) << length;
        ASSERT_EQ(summary.inUse, 0) << length;
    }
    EXPECT_EQ(LastUsedSlot(), 6);
    WriteBytes(Slot(1), whole);
    EXPECT_TRUE(LoadGame(1));
    EXPECT_EQ(GameParty().gold, 1000);
}

TEST_F(SaveTest, HugeListLengthIsRefusedWithoutChange) {
    SetSomeState(1000);
    ASSERT_TRUE(SaveGame(0));
    Bytes bytes = ReadBytes(Slot(0));
    SetSomeState(2000);
    const Bytes before = CurrentBytes();

    const size_t inventoryLength = 56 + 4 + 8 + 4;  // after party [0, 1] and an empty stock
    PutU32(bytes, inventoryLength, 0xFFFFFFF0u);
    WriteBytes(Slot(2), bytes);
    EXPECT_FALSE(LoadGame(2));
    EXPECT_EQ(CurrentBytes(), before);
    SlotSummary summary;
    EXPECT_FALSE(ReadSlotSummary(2, summary));
    EXPECT_EQ(summary.damaged, 1);
}

TEST_F(SaveTest, OddValuesOfTheLayoutStillLoad) {
    NewGame();
    SaveRecord r = CaptureSave(GameParty(), GameExpedition(), CharacterTable());
    r.gold = -50;
    r.level = 0;
    r.counters[0] = 0xFFFFFFFF;
    r.counters[9] = 9;                   // always 0 when the game writes
    r.party = {3, 3};                    // twice, and not hired
    r.inventory = {PackItem(5, 1), PackItem(2, 100), -1, 0};  // out of order
    r.recipes[0] = 7;
    r.hunt[0] = 200;
    r.characters[0].equipment[0] = PackItem(750, 100);  // an accessory as weapon
    r.characters[1].equipment[0] = static_cast<int32_t>(0xFFFFFF00u);  // no such goods
    r.characters[1].ranged = 5;
    WriteBytes(Slot(3), EncodeSave(r));

    ASSERT_TRUE(LoadGame(3));
    const PartyState& p = GameParty();
    EXPECT_EQ(p.gold, -50);
    EXPECT_EQ(p.records.battles, -1);
    EXPECT_EQ(p.members, (std::vector<int32_t>{3, 3}));
    EXPECT_EQ(p.hired[3], 0);
    EXPECT_EQ(p.inventory, (std::vector<PackedItem>{-1, 0, PackItem(2, 100), PackItem(5, 1)}));
    EXPECT_EQ(p.recipes[0], 7);
    EXPECT_EQ(GameExpedition().hunt[0], 200);
    EXPECT_EQ(CharacterTable()[0].skills[0], 1);  // unarmed
    EXPECT_EQ(CharacterTable()[1].skills[0], 1);
    EXPECT_EQ(CharacterTable()[1].ranged, 5);
    ComputeBattleParams(1);  // reads the odd weapon without harm

    r.party.clear();
    WriteBytes(Slot(3), EncodeSave(r));
    ASSERT_TRUE(LoadGame(3));
    EXPECT_TRUE(GameParty().members.empty());
}

TEST_F(SaveTest, FirstSaveCreatesTheFolder) {
    NewGame();
    ASSERT_FALSE(fs::exists("save"));
    ASSERT_TRUE(SaveGame(0));
    EXPECT_TRUE(fs::is_regular_file(Slot(0)));
    EXPECT_FALSE(fs::exists("save/0.tmp"));
}

TEST_F(SaveTest, SaveFailsWhenTheFolderCannotBeMade) {
    WriteBytes("save", {'k', 'e', 'e', 'p'});  // a file where the folder belongs
    NewGame();
    EXPECT_FALSE(SaveGame(9));
    EXPECT_EQ(LastUsedSlot(), 9);  // the list stays on the slot tried
    EXPECT_EQ(ReadBytes("save"), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_STREQ(kSaveFailedMessage, "セーブできませんでした");
}

TEST_F(SaveTest, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldSave) {
    SetSomeState(1000);
    ASSERT_TRUE(SaveGame(4));
    const Bytes old = ReadBytes(Slot(4));
    fs::permissions("save", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    SetSomeState(2000);
    if (geteuid() != 0) {
        EXPECT_FALSE(SaveGame(4));
    } else {
        // Root writes anywhere: the save is tried by a child that has become
        // an ordinary user, for whom the folder is read-only.
        fs::permissions(".", fs::perms::others_exec | fs::perms::others_read, fs::perm_options::add);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
            _exit(!dropped ? 2 : SaveGame(4) ? 1 : 0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save claimed success, 2: could not become a user";
    }
    fs::permissions("save", fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(Slot(4)), old);
    EXPECT_FALSE(fs::exists("save/4.tmp"));
}

// The process may not grow a file past a limit; the kernel then fails the
// write part way, as on a full disk, whoever the user is.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    sighandler_t previous_ = nullptr;
};

TEST_F(SaveTest, WriteThatRunsOutOfSpaceKeepsTheOldSave) {
    SetSomeState(1000);
    ASSERT_TRUE(SaveGame(5));
    const Bytes old = ReadBytes(Slot(5));
    SetSomeState(2000);
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(SaveGame(5));
    }
    EXPECT_EQ(ReadBytes(Slot(5)), old);
    EXPECT_FALSE(fs::exists("save/5.tmp"));
    EXPECT_TRUE(SaveGame(5));  // room again
    EXPECT_TRUE(LoadGame(5));
    EXPECT_EQ(GameParty().gold, 2000);
}

TEST_F(SaveTest, FailedRenameLeavesNoTemporaryFile) {
    fs::create_directories(Slot(3) / "inside");  // the slot's name is taken by a folder
    NewGame();
    EXPECT_FALSE(SaveGame(3));
    EXPECT_TRUE(fs::is_directory(Slot(3) / "inside"));
    EXPECT_FALSE(fs::exists("save/3.tmp"));
    SlotSummary summary;
    EXPECT_FALSE(ReadSlotSummary(3, summary));
}

TEST_F(SaveTest, LeftoversOfAnInterruptedSaveDoNoHarm) {
    SetSomeState(1000);
    ASSERT_TRUE(SaveGame(3));
    SetSomeState(2000);
    const Bytes next = CurrentBytes();
    // Written whole but never renamed, then cut short by a crash.
    for (const Bytes& leftover : {next, Bytes(next.begin(), next.begin() + 5000)}) {
        WriteBytes("save/3.tmp", leftover);
        SlotSummary summary;
        ASSERT_TRUE(ReadSlotSummary(3, summary));
        EXPECT_EQ(summary.gold, 1000);
        ASSERT_TRUE(LoadGame(3));
        EXPECT_EQ(GameParty().gold, 1000);
    }
    SetSomeState(3000);
    ASSERT_TRUE(SaveGame(3));
    EXPECT_FALSE(fs::exists("save/3.tmp"));
    ASSERT_TRUE(LoadGame(3));
    EXPECT_EQ(GameParty().gold, 3000);
}

TEST_F(SaveTest, TemporaryNameIsNeverWrittenThrough) {
    WriteBytes("victim", {'v'});
    fs::create_directories("save");
    fs::create_symlink(fs::absolute("victim"), "save/3.tmp");
    NewGame();
    ASSERT_TRUE(SaveGame(3));
    EXPECT_EQ(ReadBytes("victim"), Bytes{'v'});
    EXPECT_TRUE(fs::is_regular_file(Slot(3)));
    EXPECT_FALSE(fs::is_symlink(Slot(3)));
}

// A process killed at any moment while saving over and over leaves the
// slot holding one of the two saves, whole.
TEST_F(SaveTest, KilledWhileSavingLeavesAWholeSave) {
    SetSomeState(1000);
    const Bytes first = CurrentBytes();
    ASSERT_TRUE(SaveGame(8));
    SetSomeState(2000);
    const Bytes second = CurrentBytes();

    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int32_t i = 0;; ++i) {
                SetSomeState(i % 2 ? 1000 : 2000);
                SaveGame(8);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(700 + 900 * round));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const Bytes slot = ReadBytes(Slot(8));
        EXPECT_TRUE(slot == first || slot == second) << "round " << round << ": " << slot.size() << " bytes";
        SlotSummary summary;
        EXPECT_TRUE(ReadSlotSummary(8, summary));
    }
    EXPECT_TRUE(SaveGame(8));
    EXPECT_FALSE(fs::exists("save/8.tmp"));
}

}  // namespace
