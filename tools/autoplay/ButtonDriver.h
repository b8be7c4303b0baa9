#pragma once
// Drives the game's update frame by frame with the logical buttons only, as
// a player's keyboard would: a tap is one frame with the button down, then
// the seven frames the repeat block rests. Every frame counts as play.
#include <cstdint>

class ButtonDriver {
public:
    // One frame with `button` down (-1: none).
    void Frame(int32_t button = -1);
    // A tap and the repeat block after it: 8 frames.
    void Press(int32_t button);
    void Wait(int32_t frames);

    int64_t Frames() const { return frames_; }
    // A run stops taking new decisions past this many frames (0: no limit).
    void SetBudget(int64_t frames) { budget_ = frames; }
    bool OutOfFrames() const { return budget_ > 0 && frames_ >= budget_; }

private:
    int64_t frames_ = 0;
    int64_t budget_ = 0;
};

inline constexpr int32_t kFramesPerPress = 8;
