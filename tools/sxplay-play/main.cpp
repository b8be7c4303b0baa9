// sxplay-play: plays a Standard MIDI File through the sxplay library, or
// renders it offline to a WAV file.
#include <unistd.h>

#include <atomic>
#include <bit>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sxplay/SxPlay.h"
#include "sxplay/core/OfflineRender.h"
#include "sxplay/core/SeqOutput.h"
#include "sxplay/core/Synth.h"

namespace {

const char kUsage[] =
    "usage: sxplay-play FILE [options]\n"
    "  --speed X        tempo multiplier, 0.2 to 5 (default 1)\n"
    "  --transpose N    semitones, -12 to 11 (drums stay put)\n"
    "  --loops N        passes through the song before stopping (default 1)\n"
    "  --fade MS        fade out over MS (100 to 10000) after the last pass\n"
    "  --fade-in MS     fade in over MS at the start\n"
    "  --device N       -1 synthesiser (default), 0 and up: ALSA sequencer ports\n"
    "  --soundfont SF2  the synthesiser's SoundFont (default: the system's GM one)\n"
    "  --render OUT.wav render offline to a 44.1 kHz stereo WAV, no sound device\n"
    "  --list           list the output devices\n";

std::atomic<bool> g_interrupted{false};
std::atomic<bool> g_silent{false};

void OnSignal(int) { g_interrupted = true; }

int32_t OnNotify(int32_t code, intptr_t, intptr_t) {
    if (code == 10) g_silent = true;
    return 1;
}

std::string ErrorText(int32_t code) {
    char text[256];
    SXGetErrorStringA(code, text, sizeof text - 1);
    return text;
}

int Fail(const char* what, int32_t code) {
    std::fprintf(stderr, "sxplay-play: %s: %s (%d)\n", what, ErrorText(code).c_str(), code);
    return 1;
}

struct Options {
    std::string file, render, soundFont;
    float speed = 1;
    int32_t transpose = 0;
    uint32_t loops = 1, fadeOut = 0, fadeIn = 0;
    int32_t device = -1;
    bool list = false;
};

bool Parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--list") {
            o.list = true;
        } else if (a == "--speed" && hasValue) {
            o.speed = std::strtof(argv[++i], nullptr);
        } else if (a == "--transpose" && hasValue) {
            o.transpose = std::atoi(argv[++i]);
        } else if (a == "--loops" && hasValue) {
            o.loops = static_cast<uint32_t>(std::max(1, std::atoi(argv[++i])));
        } else if (a == "--fade" && hasValue) {
            o.fadeOut = static_cast<uint32_t>(std::atoi(argv[++i]));
        } else if (a == "--fade-in" && hasValue) {
            o.fadeIn = static_cast<uint32_t>(std::atoi(argv[++i]));
        } else if (a == "--device" && hasValue) {
            o.device = std::atoi(argv[++i]);
        } else if (a == "--soundfont" && hasValue) {
            o.soundFont = argv[++i];
        } else if (a == "--render" && hasValue) {
            o.render = argv[++i];
        } else if (!a.empty() && a[0] != '-' && o.file.empty()) {
            o.file = a;
        } else {
            return false;
        }
    }
    return o.list || !o.file.empty();
}

int List() {
    std::printf("-1  software synthesiser\n");
    const std::vector<sx::SeqPort> ports = sx::ListSeqPorts();
    for (size_t i = 0; i < ports.size(); ++i)
        std::printf("%2zu  %s (%d:%d)\n", i, ports[i].name.c_str(), ports[i].client, ports[i].port);
    return 0;
}

int Render(const Options& o) {
    std::ifstream in(o.file, std::ios::binary);
    if (!in) return Fail(o.file.c_str(), 20);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    sx::RenderOptions options;
    options.speed = o.speed;
    options.transpose = o.transpose;
    options.loops = o.loops;
    options.fadeOutMs = o.fadeOut;
    options.fadeInMs = o.fadeIn;
    const sx::RenderResult result = sx::RenderSong(bytes.data(), bytes.size(), options);
    if (result.error != 0) return Fail(o.file.c_str(), result.error);
    if (!sx::WriteWav(o.render, result.stereo, 44100)) {
        std::fprintf(stderr, "sxplay-play: cannot write %s\n", o.render.c_str());
        return 1;
    }
    std::printf("%s: %.3f s\n", o.render.c_str(), result.stereo.size() / 2 / 44100.0);
    return 0;
}

int Play(const Options& o) {
    int32_t code = SXOpenDevice(o.device, nullptr);
    if (code != 0) return Fail("open device", code);
    SXSetCaps(4, reinterpret_cast<intptr_t>(&OnNotify));
    if ((code = SXSetCaps(6, static_cast<intptr_t>(std::bit_cast<uint32_t>(o.speed)))) != 0)
        return Fail("--speed", code);
    if ((code = SXSetCaps(9, o.transpose)) != 0) return Fail("--transpose", code);
    if ((code = SXLoadMusicA(o.file.c_str())) != 0) return Fail(o.file.c_str(), code);
    if ((code = SXPlayMusic()) != 0) return Fail("play", code);
    if (o.fadeIn != 0 && (code = SXFadeIn(o.fadeIn)) != 0) return Fail("--fade-in", code);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    bool fading = false;
    while (!g_interrupted) {
        usleep(20000);
        SXStatus status{};
        SXGetStatus(&status, sizeof status);
        if (static_cast<uint32_t>(status.loopCount) >= o.loops && !fading) {
            if (o.fadeOut == 0 || SXFadeOut(o.fadeOut) != 0) break;
            fading = true;
        }
        if (fading && g_silent) break;
    }
    SXStopMusic();
    usleep(300000);  // let the last notes release
    SXCloseDevice();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (options.list) return List();
    if (!options.soundFont.empty()) {
        if (const int32_t code = SXSetSoundFontA(options.soundFont.c_str()); code != 0)
            return Fail(options.soundFont.c_str(), code);
        sx::ChooseSoundFont(options.soundFont);  // the offline renderer's own copy
    }
    return options.render.empty() ? Play(options) : Render(options);
}
