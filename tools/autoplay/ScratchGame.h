#pragma once
// The game set up for a headless player: tables and widgets built, the title
// on the mode stack, the generator seeded, and the working folder moved to a
// scratch folder (saves land there) that is removed again at the end.
#include <cstdint>
#include <filesystem>

class ScratchGame {
public:
    explicit ScratchGame(uint32_t seed);
    ~ScratchGame();
    ScratchGame(const ScratchGame&) = delete;
    ScratchGame& operator=(const ScratchGame&) = delete;

    bool Ready() const { return !folder_.empty(); }
    // Back to the title with the widgets set up afresh and the generator
    // seeded, for another play-through in the same process (the character
    // rows are the caller's to put back).
    void Restart(uint32_t seed);

private:
    std::filesystem::path folder_;
    std::filesystem::path previous_;
};
