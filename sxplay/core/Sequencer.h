#pragma once
// Plays a compiled song on a 5 ms tick: tempo, speed, transpose, velocity
// scale, filters, fades and the loop.
#include <array>
#include <cstdint>

#include "sxplay/core/Output.h"
#include "sxplay/core/Settings.h"
#include "sxplay/core/Song.h"

namespace sx {

inline constexpr double kTickMs = 5.0;

struct ChannelState {
    uint8_t volume = 100, program = 0, expression = 127, pan = 64;
};

class Sequencer {
public:
    explicit Sequencer(Settings& settings) : settings_(settings) {}

    void SetOutput(Output* output) { output_ = output; }
    Song& CurrentSong() { return song_; }
    const Song& CurrentSong() const { return song_; }
    void FreeSong() { song_ = Song(); }

    // Everything a play from the start needs after the reset: tempo, the
    // latched transpose, the first (or first sounding) step, the first wait.
    void StartPlay(double nowMs);
    void SendReset(int32_t type, double nowMs);
    // Sends the steps before the first note-on at once; false if none has one.
    bool SkipLeadingSilence(double nowMs);
    // One 5 ms step; events are stamped with where they fall in the window
    // that starts at tickStartMs.
    void Tick(double tickStartMs);
    // 0, or 4 when the position lies beyond the song (nothing moves then).
    int32_t Seek(double ms, double nowMs, bool fromStopped);
    void SendEvent(const Event& event, double timeMs, bool playback);
    int32_t SendSysEx(const uint8_t* data, int32_t length, double timeMs);
    void AllNotesOff(double timeMs);
    // Called when play stops; a tick that is running (the stop came from a
    // callback inside it) then touches the song no more.
    void CancelTick() { cancelled_ = true; }

    uint32_t CurrentStep() const { return step_; }
    double TimeToNextStep() const { return timeToNext_; }
    double TempoFactor() const { return tempo_; }
    const std::array<ChannelState, 16>& Channels() const { return channels_; }

private:
    void SendStep(uint32_t step, double timeMs);
    bool Fading() const;

    Settings& settings_;
    Output* output_ = nullptr;
    Song song_;
    uint32_t step_ = 0;
    double timeToNext_ = 0;
    double tempo_ = 1.0;
    int32_t transpose_ = 0;
    uint32_t extraFilter_ = 0;
    bool cancelled_ = false;  // note on and off are held back while seeking
    std::array<ChannelState, 16> channels_{};
};

}  // namespace sx
