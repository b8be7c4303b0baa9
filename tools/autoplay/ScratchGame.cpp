#include "tools/autoplay/ScratchGame.h"

#include <unistd.h>

#include <cstdio>

#include "content/ContentDatabase.h"
#include "engine/random/Angles.h"
#include "engine/random/Random.h"
#include "engine/text/WString.h"
#include "flow/GameFlow.h"
#include "flow/WidgetSetUp.h"

ScratchGame::ScratchGame(uint32_t seed) {
    std::error_code ec;
    previous_ = std::filesystem::current_path(ec);
    char pattern[] = "/tmp/autoplay-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::fprintf(stderr, "autoplay: no scratch folder\n");
        return;
    }
    folder_ = pattern;
    std::filesystem::create_directories(folder_ / "save", ec);
    std::filesystem::current_path(folder_, ec);

    FillHexTable();
    FillSineTable();
    BuildContentTables();
    BuildLateContentTables();
    Restart(seed);
}

void ScratchGame::Restart(uint32_t seed) {
    Flow() = GameFlow{};
    SetUpWidgets();
    SeedRandom(seed);
}

ScratchGame::~ScratchGame() {
    if (folder_.empty()) return;
    std::error_code ec;
    std::filesystem::current_path(previous_.empty() ? std::filesystem::path("/") : previous_, ec);
    std::filesystem::remove_all(folder_, ec);
}
