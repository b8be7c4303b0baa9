#pragma once
// The camp played from the town menu: enter it, pick an entry of its menu.
#include "FlowDriver.h"
#include "flow/screens/Camp.h"
#include "rules/PartyState.h"

class CampDriverTest : public FlowDriverTest {
protected:
    // A new game (members 0 and 1), then the town's "キャンプ".
    void EnterCamp() {
        StartNewGame();
        EnterTownEntry(1);
        ASSERT_EQ(Mode(), GameMode::kCamp);
    }
    void ChooseEntry(int32_t entry) {
        Widget(kCampMenuWidget).Select(entry);
        Press(kDecide);
    }
    // Back in the camp menu as every sub-screen leaves it.
    void ExpectCampMenu() {
        EXPECT_EQ(Mode(), GameMode::kCamp);
        EXPECT_EQ(State().subState, CampState::kMenu);
        EXPECT_EQ(State().menuState, -1);
        EXPECT_EQ(Widget(kCampMenuWidget).State(), WidgetState::kActive);
    }
    void HireAll(std::initializer_list<int32_t> characters) {
        for (int32_t c : characters) GameParty().hired[static_cast<size_t>(c)] = 1;
    }
};
