#pragma once
// Integer value animators, stepped once per frame by UpdateTweens.
#include <cstdint>
#include <deque>

struct Tween {
    enum Mode : int32_t { kOnce = 0, kLoop = 1, kUntilLimit = 2, kPingPong = 3 };

    int32_t count = 0;  // steps, or the limit value in kUntilLimit
    int32_t mode = 0;
    int32_t stepCounter = 0;
    int32_t ownStep = 0;
    int32_t* target = nullptr;
    int32_t* step = nullptr;
    int32_t accumulated = 0;
    int32_t frameCounter = 0;
    int32_t interval = 0;
    uint8_t ownFlag = 0;
    uint8_t* running = nullptr;  // null: record free
};

// Records keep their addresses (a deque), because running flags and step
// pointers may point into them.
class TweenList {
public:
    void Start(uint8_t* flag, int32_t* target, int32_t step, int32_t count, int32_t interval,
               int32_t mode);
    void Update();
    const std::deque<Tween>& Records() const { return records_; }

private:
    std::deque<Tween> records_;
};

// The process-wide list that the main loop steps.
TweenList& Tweens();
void StartTween(uint8_t* flag, int32_t* target, int32_t step, int32_t count, int32_t interval,
                int32_t mode);
void UpdateTweens();
