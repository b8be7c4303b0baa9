#include "sxplay/core/OfflineRender.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <memory>

#include "sxplay/core/Errors.h"
#include "sxplay/core/ManualTimer.h"
#include "sxplay/core/Player.h"
#include "sxplay/core/Synth.h"
#include "sxplay/core/TimedMessages.h"

namespace sx {

namespace {

class OfflineOutput : public Output {
public:
    OfflineOutput(Synth& synth, double rate) : synth_(synth), rate_(rate) {}

    void ShortMessage(uint32_t message, double timeMs) override {
        queue_.Push({TimedMessage::kShort, FrameFor(timeMs), message, {}});
    }
    bool LongMessage(const uint8_t* data, size_t size, double timeMs) override {
        queue_.Push({TimedMessage::kLong, FrameFor(timeMs), 0, std::vector<uint8_t>(data, data + size)});
        return true;
    }
    void Reset(double timeMs) override { queue_.Push({TimedMessage::kReset, FrameFor(timeMs), 0, {}}); }

    void RenderUntil(double ms, std::vector<int16_t>& out) {
        const uint64_t end = FrameFor(ms);
        if (end <= rendered_) return;
        const int frames = static_cast<int>(end - rendered_);
        due_.clear();
        queue_.TakeDue(end, due_);
        buffer_.resize(static_cast<size_t>(frames) * 2);
        RenderBlock(synth_, buffer_.data(), frames, rendered_, due_);
        for (float v : buffer_)
            out.push_back(static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)));
        rendered_ = end;
    }

private:
    uint64_t FrameFor(double ms) const {
        return ms <= 0 ? 0 : static_cast<uint64_t>(std::llround(ms * rate_ / 1000.0));
    }

    Synth& synth_;
    double rate_;
    TimedMessages queue_;
    std::vector<TimedMessage> due_;
    std::vector<float> buffer_;
    uint64_t rendered_ = 0;
};

}  // namespace

RenderResult RenderSong(const uint8_t* file, size_t size, const RenderOptions& options) {
    RenderResult result;
    std::unique_ptr<Synth> synth = Synth::Create(options.sampleRate);
    if (!synth) {
        result.error = kDeviceFailed;
        return result;
    }
    double now = 0;
    ManualTimer* timer = nullptr;
    OfflineOutput* output = nullptr;
    PlayerDeps deps;
    deps.clock = [&now] { return now; };
    deps.openOutput = [&](int32_t) {
        auto out = std::make_unique<OfflineOutput>(*synth, options.sampleRate);
        output = out.get();
        return std::unique_ptr<Output>(std::move(out));
    };
    deps.makeTimer = [&timer] {
        auto t = std::make_unique<ManualTimer>();
        timer = t.get();
        return std::unique_ptr<Timer>(std::move(t));
    };
    Player player(std::move(deps));
    int32_t code = player.OpenDevice(-1, nullptr);
    if (code == kOk)
        code = player.SetCaps(6, static_cast<intptr_t>(std::bit_cast<uint32_t>(options.speed)));
    if (code == kOk) code = player.SetCaps(9, options.transpose);
    if (code == kOk) code = player.LoadMusic(reinterpret_cast<const char16_t*>(file), nullptr,
                                             static_cast<uint32_t>(size));
    if (code == kOk) code = player.Play();
    if (code == kOk && options.fadeInMs != 0) code = player.FadeIn(options.fadeInMs);
    if (code != kOk) {
        result.error = code;
        return result;
    }
    const Settings& state = player.State();
    bool fading = false;
    while (now < options.maxMs) {
        now += kTickMs;  // like the real timer, the first tick comes one period after play
        timer->Fire(now);
        output->RenderUntil(now + kTickMs, result.stereo);
        if (state.loopCount.load() >= std::max(1u, options.loops) && !fading) {
            if (options.fadeOutMs == 0 || state.mainState.load() != kPlaying) break;
            // A fade-in still running gives way to the fade-out.
            if (state.playState.load() == kFadingIn) player.State().playState = kPlay;
            fading = player.FadeOut(std::clamp(options.fadeOutMs, 100u, 10000u)) == kOk;
            if (!fading) break;
        }
        if (fading && state.fadeLevel.load() == 0) break;
    }
    now += kTickMs;  // the end of the last tick's window
    result.stopMs = now;
    player.Stop();
    output->RenderUntil(now + options.tailMs, result.stereo);
    return result;
}

bool WriteWav(const std::string& path, const std::vector<int16_t>& stereo, uint32_t sampleRate) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) return false;
    const uint32_t dataBytes = static_cast<uint32_t>(stereo.size() * 2);
    auto u32 = [](uint8_t* p, uint32_t v) {
        for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
    };
    auto u16 = [](uint8_t* p, uint32_t v) {
        p[0] = static_cast<uint8_t>(v), p[1] = static_cast<uint8_t>(v >> 8);
    };
    uint8_t header[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    u32(header + 4, 36 + dataBytes);
    u32(header + 16, 16);
    u16(header + 20, 1);
    u16(header + 22, 2);
    u32(header + 24, sampleRate);
    u32(header + 28, sampleRate * 4);
    u16(header + 32, 4);
    u16(header + 34, 16);
    header[36] = 'd', header[37] = 'a', header[38] = 't', header[39] = 'a';
    u32(header + 40, dataBytes);
    // WAV samples are little-endian; so is every machine this builds on.
    static_assert(std::endian::native == std::endian::little);
    return std::fwrite(header, 1, sizeof header, file.get()) == sizeof header &&
           std::fwrite(stereo.data(), 2, stereo.size(), file.get()) == stereo.size() &&
           std::fflush(file.get()) == 0;
}

}  // namespace sx
