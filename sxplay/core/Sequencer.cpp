#include "sxplay/core/Sequencer.h"

#include <algorithm>
#include <bit>
#include <new>

#include "sxplay/core/Errors.h"

namespace sx {

namespace {

const uint8_t kGmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
const uint8_t kGm2On[] = {0xF0, 0x7E, 0x7F, 0x09, 0x03, 0xF7};
const uint8_t kGsReset[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
const uint8_t kXgOn[] = {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7};

bool IsNoteOn(uint32_t word) {
    return word < kChannelLimit && (word & 0xF0) == 0x90 && ((word >> 16) & 0xFF) != 0;
}

Event Channel(uint32_t word) { return Event{word, 0, 0}; }

}  // namespace

void Sequencer::SendReset(int32_t type, double nowMs) {
    switch (type) {
        case 1: SendSysEx(kGmOn, sizeof kGmOn, nowMs); break;
        case 2: SendSysEx(kGm2On, sizeof kGm2On, nowMs); break;
        case 3: SendSysEx(kGsReset, sizeof kGsReset, nowMs); break;
        case 4: SendSysEx(kXgOn, sizeof kXgOn, nowMs); break;
        default:
            for (uint32_t ch = 0; ch < 16; ++ch) {
                SendEvent(Channel(0xB0 | ch | (7u << 8) | (100u << 16)), nowMs, true);
                SendEvent(Channel(0xB0 | ch | (11u << 8) | (100u << 16)), nowMs, true);
                SendEvent(Channel(0xB0 | ch | (123u << 8)), nowMs, true);
                SendEvent(Channel(0xC0 | ch), nowMs, true);
                SendEvent(Channel(0xD0 | ch), nowMs, true);
            }
            break;
    }
    channels_.fill(ChannelState{});
}

void Sequencer::StartPlay(double nowMs) {
    tempo_ = song_.initialTempo;
    transpose_ = settings_.transpose.load();
    step_ = 0;
    settings_.loopCount = 0;
    const bool skipped =
        (settings_.options.load() & kSkipSilence) != 0 && SkipLeadingSilence(nowMs);
    const double delay = song_.Empty() || skipped ? 0.0 : song_.stepDelay[0];
    timeToNext_ = tempo_ * delay / settings_.speed.load() + settings_.startDelay.load();
}

bool Sequencer::SkipLeadingSilence(double nowMs) {
    uint32_t found = 0;
    for (; found < song_.StepCount(); ++found) {
        const uint32_t first = song_.stepFirst[found];
        const uint32_t end = first + song_.stepSize[found];
        if (std::any_of(song_.events.begin() + first, song_.events.begin() + end,
                        [](const Event& e) { return IsNoteOn(e.word); }))
            break;
    }
    if (found == song_.StepCount()) return false;
    for (uint32_t s = 0; s < found; ++s) SendStep(s, nowMs);
    step_ = found;
    return found > 0;
}

void Sequencer::SendStep(uint32_t step, double timeMs) {
    const uint32_t first = song_.stepFirst[step];
    const uint32_t end = first + song_.stepSize[step];
    for (uint32_t e = first; e < end && !cancelled_; ++e) SendEvent(song_.events[e], timeMs, true);
}

void Sequencer::Tick(double tickStartMs) {
    cancelled_ = false;
    if (song_.Empty()) return;
    const size_t steps = song_.StepCount();
    double budget = kTickMs;
    if (timeToNext_ <= kTickMs) {
        bool wrapped = false;
        for (;;) {
            budget -= timeToNext_;
            const double at = tickStartMs + std::max(0.0, kTickMs - budget);
            SendStep(step_, at);
            if (cancelled_) return;
            ++step_;
            if (step_ < steps) {
                timeToNext_ = tempo_ * song_.stepDelay[step_] / settings_.speed.load();
                if (timeToNext_ <= budget) continue;
                break;
            }
            step_ = song_.loopStep;
            tempo_ = song_.loopTempo;
            timeToNext_ = 0;
            for (uint32_t word : song_.restore) SendEvent(Channel(word), at, true);
            if (cancelled_) return;
            settings_.Notify(8, ++settings_.loopCount);
            if (cancelled_) return;
            // A loop that takes no time (a zero tempo) would spin forever
            // inside one tick: go round at most once more per tick.
            if (song_.loopStep + 1 == steps || wrapped) break;
            wrapped = true;
        }
    }
    timeToNext_ -= budget;

    const int32_t state = settings_.playState.load();
    const uint32_t total = settings_.fadeTotal.load();
    uint32_t level = settings_.fadeLevel.load();
    bool sendVolumes = false;
    bool fadeInDone = false;
    if (state == kFadingOut) {
        if (level != 0) {
            if (level <= 5) {
                settings_.fadeLevel = 0;
                settings_.Notify(10, 0);
            } else {
                settings_.fadeLevel = level - 5;
            }
        }
        sendVolumes = true;
    } else if (state == kFadingIn) {
        // The tick that reaches full level still sends the volumes, so the
        // fade ends at the table volume rather than one step below it.
        if (level < total) {
            level = std::min(level + 5, total);
            settings_.fadeLevel = level;
            fadeInDone = level == total;
            sendVolumes = true;
        }
    }
    if (sendVolumes && !cancelled_ && settings_.mainState.load() == kPlaying) {
        for (uint32_t ch = 0; ch < 16; ++ch) {
            const uint32_t word = 0xB0 | ch | (7u << 8) | (uint32_t(channels_[ch].volume) << 16);
            SendEvent(Channel(word), tickStartMs + kTickMs, true);
        }
    }
    if (fadeInDone) {
        settings_.playState = kPlay;
        settings_.Notify(12, 0);
    }
}

bool Sequencer::Fading() const {
    const int32_t state = settings_.playState.load();
    return state == kFadingOut || state == kFadingIn;
}

void Sequencer::SendEvent(const Event& event, double timeMs, bool playback) {
    const uint32_t word = event.word;
    if (word >= kChannelLimit) {
        if (!playback) return;
        if (word == kTempo) {
            tempo_ = event.tempo;
        } else if (word == kSysEx) {
            if ((settings_.filter.load() & 0x10000) == 0 && event.block < song_.sysex.size()) {
                const std::vector<uint8_t>& block = song_.sysex[event.block];
                SendSysEx(block.data(), static_cast<int32_t>(block.size()), timeMs);
            }
        } else if ((word >> 24) >= 1 && (word >> 24) <= 7) {
            if ((settings_.options.load() & kReportText) != 0 && event.block < song_.texts.size()) {
                const TextBlock& text = song_.texts[event.block];
                SXTextEvent record{static_cast<int32_t>(word >> 24),
                                   settings_.wideText.load()
                                       ? static_cast<const void*>(text.wide.c_str())
                                       : static_cast<const void*>(text.narrow.c_str())};
                settings_.Notify(14, reinterpret_cast<intptr_t>(&record));
            }
        }
        return;
    }
    uint32_t status = word & 0xFF;
    uint32_t data1 = (word >> 8) & 0xFF;
    uint32_t data2 = (word >> 16) & 0xFF;
    if (playback) {
        const uint32_t kind = status >> 4;
        if (kind < 8) return;
        if (((settings_.filter.load() | extraFilter_) >> (kind - 8)) & 1) return;
        if ((kind == 8 || kind == 9) && (status & 0x0F) != 9) {
            const int32_t note = static_cast<int32_t>(data1) + transpose_;
            if (note < 0 || note > 127) return;
            data1 = static_cast<uint32_t>(note);
        }
        const uint32_t scale = settings_.velocityScale.load();
        if (kind == 9 && scale != 100) data2 = static_cast<uint32_t>(scale * data2 * 0.01);
        if (kind == 0xB && data1 == 7) {
            channels_[status & 0x0F].volume = static_cast<uint8_t>(data2);
            if (Fading()) {
                const uint32_t total = settings_.fadeTotal.load();
                const uint32_t level = settings_.fadeLevel.load();
                if (total != 0)
                    data2 = static_cast<uint32_t>(static_cast<double>(level) / total * data2);
            }
        }
    }
    if (output_ != nullptr) output_->ShortMessage(status | (data1 << 8) | (data2 << 16), timeMs);
}

int32_t Sequencer::SendSysEx(const uint8_t* data, int32_t length, double timeMs) {
    switch (length) {
        case -1: data = kGmOn, length = sizeof kGmOn; break;
        case -2: data = kGm2On, length = sizeof kGm2On; break;
        case -3: data = kGsReset, length = sizeof kGsReset; break;
        case -4: data = kXgOn, length = sizeof kXgOn; break;
        default: break;
    }
    if (length <= 0 || data == nullptr) return kBadParameter;
    if (output_ == nullptr) return kInternal;
    try {
        return output_->LongMessage(data, static_cast<size_t>(length), timeMs) ? kOk : kInternal;
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
}

void Sequencer::AllNotesOff(double timeMs) {
    for (uint32_t ch = 0; ch < 16; ++ch) SendEvent(Channel(0xB0 | ch | (123u << 8)), timeMs, false);
}

int32_t Sequencer::Seek(double ms, double nowMs, bool fromStopped) {
    if (fromStopped) {
        SendReset(settings_.resetType.load(), nowMs);
        transpose_ = settings_.transpose.load();
    }
    const double oldTempo = tempo_;
    const uint32_t oldStep = step_;
    const double oldTime = timeToNext_;
    extraFilter_ = 0x3;
    tempo_ = song_.initialTempo;
    double remaining = ms;
    uint32_t s = 0;
    double length = 0;
    for (; s < song_.StepCount(); ++s) {
        length = tempo_ * song_.stepDelay[s];
        if (!(remaining > length)) break;
        remaining -= length;
        SendStep(s, nowMs);
    }
    extraFilter_ = 0;
    if (s == song_.StepCount()) {
        tempo_ = oldTempo;
        step_ = oldStep;
        timeToNext_ = oldTime;
        settings_.Notify(13, -1);
        return kBadParameter;
    }
    step_ = s;
    timeToNext_ = (length - remaining) / settings_.speed.load();
    settings_.Notify(13, static_cast<intptr_t>(std::bit_cast<uint32_t>(static_cast<float>(ms))));
    return kOk;
}

}  // namespace sx
