#pragma once
// A player on a simulated clock: a recording output, a timer fired by hand
// and every notification kept.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SmfBuilder.h"
#include "sxplay/core/ManualTimer.h"
#include "sxplay/core/Player.h"
#include "sxplay/core/RecordingOutput.h"

namespace sxtest {

struct PlayerHarness {
    double now = 0;
    sx::RecordingOutput* output = nullptr;
    sx::ManualTimer* timer = nullptr;
    bool refuseDevice = false;
    std::vector<std::pair<int32_t, intptr_t>> notes;
    std::string loadedText;  // notification 3's text, copied while it is valid
    std::unique_ptr<sx::Player> player;

    PlayerHarness() {
        sx::PlayerDeps deps;
        deps.clock = [this] { return now; };
        deps.openOutput = [this](int32_t) -> std::unique_ptr<sx::Output> {
            if (refuseDevice) return nullptr;
            auto out = std::make_unique<sx::RecordingOutput>();
            output = out.get();
            return out;
        };
        deps.makeTimer = [this] {
            auto t = std::make_unique<sx::ManualTimer>();
            timer = t.get();
            return std::unique_ptr<sx::Timer>(std::move(t));
        };
        player = std::make_unique<sx::Player>(std::move(deps));
        player->SetCaps(4, reinterpret_cast<intptr_t>(&Record));
        player->SetCaps(5, reinterpret_cast<intptr_t>(this));
    }

    static int32_t Record(int32_t code, intptr_t value, intptr_t self) {
        auto* h = reinterpret_cast<PlayerHarness*>(self);
        h->notes.emplace_back(code, value);
        if (code == 3 && value >= 0x10000) h->loadedText = reinterpret_cast<const char*>(value);
        return 1;
    }

    sx::Player& P() { return *player; }

    // Opens, loads the image and plays it at time 0 with no start delay.
    void Start(const std::vector<uint8_t>& file, float startDelay = 0) {
        P().OpenDevice(-1, nullptr);
        P().SetCaps(10, std::bit_cast<uint32_t>(startDelay));
        Load(file);
        P().Play();
        output->Take();
    }
    int32_t Load(const std::vector<uint8_t>& file) {
        return P().LoadMusic(reinterpret_cast<const char16_t*>(file.data()), nullptr,
                             uint32_t(file.size()));
    }
    // Runs n ticks of 5 ms: each starts where the previous one ended. A
    // closed device has no timer any more.
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            now += 5;
            if (P().State().mainState.load() != sx::kClosed) timer->Fire(now);
        }
    }
    std::vector<sx::Recorded> Shorts() {
        std::vector<sx::Recorded> shorts;
        for (auto& r : output->Take())
            if (r.kind == sx::Recorded::kShort) shorts.push_back(r);
        return shorts;
    }
    int Count(int32_t code) const {
        int n = 0;
        for (const auto& [c, v] : notes) n += c == code;
        return n;
    }
};

inline uint32_t NoteOn(uint8_t ch, uint8_t note, uint8_t vel) {
    return 0x90u | ch | (uint32_t(note) << 8) | (uint32_t(vel) << 16);
}
inline uint32_t CcWord(uint8_t ch, uint8_t control, uint8_t value) {
    return 0xB0u | ch | (uint32_t(control) << 8) | (uint32_t(value) << 16);
}

}  // namespace sxtest
