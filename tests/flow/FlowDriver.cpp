#include "FlowDriver.h"

#include <unistd.h>

#include "content/Characters.h"
#include "engine/random/Random.h"
#include "flow/MusicChange.h"
#include "flow/SaveSlots.h"
#include "flow/SoundRequest.h"
#include "flow/WidgetSetUp.h"

void FlowDriverTest::SetUp() {
    guard_.emplace();
    // Levels and equipment live in the character rows: start from the table.
    BuildCharacters();
    SeedRandom(12345);
    SetUpWidgets();
    Flow().modeStack = {GameMode::kTitle};
    SlotSummaries() = {};
    LastUsedSlot() = 0;
    SpeedSetting() = 0;
    previous_ = std::filesystem::current_path();
    char pattern[] = "/tmp/flow-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    std::filesystem::current_path(folder_);
}

void FlowDriverTest::TearDown() {
    std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
    BuildCharacters();
    guard_.reset();
}

void FlowDriverTest::Frame(std::initializer_list<int32_t> buttons) {
    ButtonStates& pressed = Input().merged;
    pressed = {};
    for (int32_t b : buttons) pressed[size_t(b)] = 1;
    UpdateGame();
    pressed = {};
}

void FlowDriverTest::Press(int32_t button, int32_t times) {
    for (int32_t i = 0; i < times; ++i) Frame({button});
}

void FlowDriverTest::Frames(int32_t count) {
    for (int32_t i = 0; i < count; ++i) Frame();
}

std::string FlowDriverTest::Sound() const { return CurrentSoundRequest().ToUtf8(); }

std::string FlowDriverTest::Music() const { return LastMusic().ToUtf8(); }

void FlowDriverTest::StartNewGame() {
    ASSERT_EQ(Mode(), GameMode::kTitle);
    Widget(0).Select(0);
    Press(kDecide);
    ASSERT_EQ(Mode(), GameMode::kTown);
}

void FlowDriverTest::EnterTownEntry(int32_t entry) {
    Widget(1).Select(entry);
    Press(kDecide);
}
