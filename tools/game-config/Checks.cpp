#include "tools/game-config/Checks.h"

#include <SDL.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/SdlHandles.h"
#include "sxplay/core/SeqOutput.h"

namespace gameconfig {

namespace {

using platform::SdlSubsystem;

struct FcDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
    void operator()(FcObjectSet* p) const { FcObjectSetDestroy(p); }
    void operator()(FcFontSet* p) const { FcFontSetDestroy(p); }
};

}  // namespace

std::vector<std::string> MidiOutputLines() {
    std::vector<std::string> lines{"-1  built-in synthesiser (FluidSynth with the chosen SoundFont)"};
    const std::vector<sx::SeqPort> ports = sx::ListSeqPorts();
    for (size_t i = 0; i < ports.size(); ++i) {
        lines.push_back(std::to_string(i) + "  " + ports[i].name + " (" +
                        std::to_string(ports[i].client) + ":" + std::to_string(ports[i].port) + ")");
    }
    return lines;
}

std::vector<std::string> SoundFontFiles() {
    namespace fs = std::filesystem;
    std::vector<fs::path> folders = {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3",
                                     "/usr/share/soundfonts", "/usr/local/share/soundfonts"};
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        folders.push_back(fs::path(home) / ".local/share/soundfonts");
    }
    std::vector<std::string> files;
    for (const fs::path& folder : folders) {
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".sf2" || extension == ".sf3") files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> PadLines(const std::string& mappingFile) {
    SdlSubsystem pads(SDL_INIT_GAMECONTROLLER);
    if (!pads.Ok()) return {std::string("pads cannot be read: ") + SDL_GetError()};
    if (!mappingFile.empty() && std::filesystem::exists(mappingFile)) {
        SDL_GameControllerAddMappingsFromFile(mappingFile.c_str());
    }
    std::vector<std::string> lines;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        const char* name = SDL_JoystickNameForIndex(i);
        char guid[33] = {};
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(i), guid, sizeof guid);
        const bool mapped = SDL_IsGameController(i);
        lines.push_back(std::to_string(i) + "  " + (name ? name : "(no name)") + "  " + guid +
                        (mapped ? "  mapped: A decide, B cancel, X speed, Y sell-all, shoulders page"
                                : "  no mapping: joystick buttons of the configuration file"));
    }
    return lines;
}

std::vector<std::string> AudioOutputLines() {
    SdlSubsystem audio(SDL_INIT_AUDIO);
    if (!audio.Ok()) return {};
    std::vector<std::string> lines;
    const char* driver = SDL_GetCurrentAudioDriver();
    const int count = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, 0);
        lines.push_back(std::string(driver ? driver : "?") + ": " + (name ? name : "(default)"));
    }
    // Some drivers (PulseAudio, PipeWire) open a default device they do not list.
    if (lines.empty() && driver != nullptr) lines.push_back(std::string(driver) + ": default device");
    return lines;
}

std::vector<std::string> JapaneseFonts() {
    std::vector<std::string> files;
    if (!FcInit()) return files;
    const std::unique_ptr<FcPattern, FcDeleter> pattern(
        FcNameParse(reinterpret_cast<const FcChar8*>(":lang=ja")));
    const std::unique_ptr<FcObjectSet, FcDeleter> objects(FcObjectSetBuild(FC_FILE, nullptr));
    if (!pattern || !objects) return files;
    const std::unique_ptr<FcFontSet, FcDeleter> set(FcFontList(nullptr, pattern.get(), objects.get()));
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch) {
            files.emplace_back(reinterpret_cast<const char*>(file));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace gameconfig
