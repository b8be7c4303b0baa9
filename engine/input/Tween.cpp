#include "engine/input/Tween.h"

void TweenList::Start(uint8_t* flag, int32_t* target, int32_t step, int32_t count,
                      int32_t interval, int32_t mode) {
    if (flag != nullptr && *flag == 1) return;
    for (Tween& t : records_) {
        if (t.running != nullptr && *t.running == 0) t.running = nullptr;
    }
    Tween* record = nullptr;
    for (Tween& t : records_) {
        if (t.running == nullptr) {
            record = &t;
            break;
        }
    }
    if (record == nullptr) record = &records_.emplace_back();
    record->running = flag != nullptr ? flag : &record->ownFlag;
    record->target = target;
    record->ownStep = step;
    record->step = &record->ownStep;
    record->count = count;
    record->interval = interval;
    record->mode = mode;
    record->stepCounter = 0;
    record->frameCounter = 0;
    record->accumulated = 0;
    *record->running = 1;
}

void TweenList::Update() {
    for (Tween& t : records_) {
        if (t.running == nullptr || *t.running != 1) continue;
        if (++t.frameCounter < t.interval) continue;
        t.frameCounter = 0;
        const int32_t step = *t.step;
        const auto finish = [&t]() {
            *t.running = 0;
            t.running = nullptr;
        };
        switch (t.mode) {
            case Tween::kOnce:
                ++t.stepCounter;
                *t.target += step;
                if (t.stepCounter == t.count) finish();
                break;
            case Tween::kLoop:
                ++t.stepCounter;
                t.accumulated += step;
                *t.target += step;
                if (t.stepCounter == t.count) {
                    *t.target -= t.accumulated;
                    t.accumulated = 0;
                    t.stepCounter = 0;
                }
                break;
            case Tween::kUntilLimit:
                *t.target += step;
                if ((step >= 0 && *t.target >= t.count) || (step < 0 && *t.target <= t.count)) {
                    *t.target = t.count;
                    finish();
                }
                break;
            case Tween::kPingPong:
                if (++t.stepCounter == t.count) {
                    t.stepCounter = 1;
                    *t.step = -*t.step;
                }
                *t.target += *t.step;
                break;
            default:
                break;
        }
    }
}

TweenList& Tweens() {
    static TweenList list;
    return list;
}

void StartTween(uint8_t* flag, int32_t* target, int32_t step, int32_t count, int32_t interval,
                int32_t mode) {
    Tweens().Start(flag, target, step, count, interval, mode);
}

void UpdateTweens() { Tweens().Update(); }
