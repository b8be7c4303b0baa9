#pragma once
// Frame timing for game-script --timing and the benchmarks: how long frames
// take on the real device (waiting until the picture is really drawn), the
// slowest frame on the way into each screen, and the process's memory.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

struct FrameStats {
    int32_t frames = 0;
    double mean = 0, p99 = 0, max = 0;  // milliseconds
};

FrameStats Summarise(std::vector<double> ms);

// Milliseconds on the monotonic clock.
double NowMilliseconds();
// Waits until the device has drawn everything sent so far, so a frame's
// time includes the rasterising a deferred renderer would do later.
void FinishDrawing();
// Resident and peak resident memory of this process in MiB (0 when unknown).
double ResidentMiB();
double PeakResidentMiB();

class ScriptTiming {
public:
    // `drawFrames`: frames drawn at every picture to time the screen.
    explicit ScriptTiming(int32_t drawFrames) : drawFrames_(drawFrames) {}

    // One frame of the script (update, drawing, present) took `ms`.
    void FrameDone(double ms);
    // At a picture: the slowest frame since the previous picture is the
    // screen's first entry; then the screen is drawn `drawFrames` times
    // without updating the game, and those frames are timed.
    void Shot(const std::string& name);
    void Note(const std::string& key, double value);

    // "screen NAME entry_ms E mean_ms M p99_ms P max_ms X" lines, then
    // the notes as "KEY VALUE".
    void Write(std::ostream& out) const;

private:
    struct Screen {
        std::string name;
        double entry = 0;
        FrameStats drawn;
    };
    int32_t drawFrames_;
    double slowestSinceShot_ = 0;
    std::vector<Screen> screens_;
    std::vector<std::pair<std::string, double>> notes_;
};

// Times one drawing of the current screen as the game loop draws it
// (begin, clear, DrawGame, tweens are not stepped, end), finished.
double TimeOneDrawing();
