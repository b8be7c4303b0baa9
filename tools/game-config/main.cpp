// Writes or edits the game's configuration so that nobody edits bytes by
// hand: the 108-byte Data.dat and, beside it, Settings.txt (scaling,
// SoundFont, MIDI output). Lists and checks what the game can use here.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/ConfigEdit.h"
#include "app/ExtraSettings.h"
#include "engine/text/BinaryFile.h"
#include "engine/text/Files.h"
#include "platform/GameFolders.h"
#include "tools/game-config/Checks.h"

namespace {

namespace fs = std::filesystem;

void Usage(const std::string& defaultPath) {
    std::fprintf(stderr,
                 "usage: game-config [--file PATH] show | defaults | set NAME=VALUE...\n"
                 "       game-config midi-outs | soundfonts | pads | check\n"
                 "\n"
                 "PATH is the 108-byte configuration file, by default %s;\n"
                 "Settings.txt beside it holds scaling, soundfont and midi-out. Settings:\n"
                 "  normal-period, fast-period  milliseconds per frame (0 to 1000)\n"
                 "  fullscreen, music, sound    on or off\n"
                 "  width, height               window size in pixels\n"
                 "  key.BUTTON                  a key name (Z, X, Return, Space, F1, Left, ...) or none\n"
                 "  joy.BUTTON                  a joystick button 1 to 10, or none\n"
                 "  BUTTON: decide cancel speed pageup pagedown sellall spare1..spare5\n"
                 "  scaling                     smooth or whole (whole-number multiples, sharp)\n"
                 "  soundfont                   a .sf2/.sf3 file for the music, or default\n"
                 "  midi-out                    -1 built-in synthesiser, or a port from midi-outs\n",
                 defaultPath.c_str());
}

bool ReadConfig(const std::string& path, GameConfig& config) {
    BinaryFile file;
    uint8_t raw[GameConfig::kFileSize];
    if (!file.Open(WString(path.c_str()), true)) return false;
    const size_t got = file.Read(raw, sizeof raw);
    if (got < sizeof raw) return false;
    config = GameConfig::FromBytes(raw, got);
    return true;
}

bool WriteConfig(const std::string& path, const GameConfig& config) {
    CreateDirectories(WString(path.c_str()));
    BinaryFile file;
    const std::vector<uint8_t> raw = config.ToBytes();
    return file.Open(WString(path.c_str()), false) && file.Write(raw.data(), raw.size()) == raw.size();
}

bool ReadExtras(const std::string& path, ExtraSettings& settings) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> problems;
    settings = ParseExtraSettings(text, problems);
    for (const std::string& p : problems) std::fprintf(stderr, "%s: %s (skipped)\n", path.c_str(), p.c_str());
    return true;
}

bool WriteExtras(const std::string& path, const ExtraSettings& settings) {
    CreateDirectories(WString(path.c_str()));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << FormatExtraSettings(settings);
    return static_cast<bool>(out.flush());
}

void PrintLines(const char* title, const std::vector<std::string>& lines, const char* none) {
    std::printf("%s:\n", title);
    if (lines.empty()) std::printf("  %s\n", none);
    for (const std::string& line : lines) std::printf("  %s\n", line.c_str());
}

// A SoundFont that will not load leaves the synthesiser on the system's.
bool CheckSoundFont(const std::string& path) {
    if (path.empty()) return true;
    std::ifstream in(path, std::ios::binary);
    char head[4] = {};
    if (!in.read(head, 4) || std::memcmp(head, "RIFF", 4) != 0) {
        std::fprintf(stderr, "game-config: soundfont: %s is not a readable SoundFont\n", path.c_str());
        return false;
    }
    return true;
}

int Check(const std::string& configPath, const std::string& extrasPath,
          const platform::GameFolders& folders) {
    std::printf("Configuration: %s\nSettings:      %s\n", configPath.c_str(), extrasPath.c_str());
    if (folders.installed) {
        std::printf("Data:          %s\nSaves:         %s/save\nScreenshots:   %s/screenshot\n",
                    folders.data.c_str(), folders.userData.c_str(), folders.userData.c_str());
    }
    ExtraSettings extras;
    ReadExtras(extrasPath, extras);
    PrintLines("Sound output (SDL)", gameconfig::AudioOutputLines(),
               "none: no sound effects and no built-in music; check `aplay -l`");
    PrintLines("SoundFonts", gameconfig::SoundFontFiles(),
               "none: the built-in synthesiser is silent; apt install fluid-soundfont-gm");
    if (!extras.soundFont.empty()) {
        std::printf("  chosen: %s%s\n", extras.soundFont.c_str(),
                    fs::exists(extras.soundFont) ? "" : " (missing: the system's is used)");
    }
    PrintLines("MIDI outputs", gameconfig::MidiOutputLines(), "");
    std::printf("  chosen: %d\n", extras.midiOut);
    const std::vector<std::string> fonts = gameconfig::JapaneseFonts();
    PrintLines("Japanese fonts", fonts, "none: text cannot be drawn; apt install fonts-ipafont-gothic");
    const std::string mappings = (fs::path(configPath).parent_path() / "gamecontrollerdb.txt").string();
    PrintLines("Pads", gameconfig::PadLines(mappings), "none plugged in");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Installed beside the game, the tool edits the player's own file.
    const platform::GameFolders folders = platform::FoldersFor(platform::ProgramFolder(), std::getenv);
    const std::string defaultPath =
        folders.installed ? folders.config + "/Data.dat" : std::string("Config/Data.dat");
    std::string path = defaultPath;
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--file") == 0) {
        path = argv[i + 1];
        i += 2;
    }
    if (i >= argc) {
        Usage(defaultPath);
        return 2;
    }
    const std::string extrasPath = (fs::path(path).parent_path() / "Settings.txt").string();
    const std::string command = argv[i++];

    if (command == "midi-outs") {
        for (const std::string& line : gameconfig::MidiOutputLines()) std::printf("%s\n", line.c_str());
        return 0;
    }
    if (command == "soundfonts") {
        for (const std::string& file : gameconfig::SoundFontFiles()) std::printf("%s\n", file.c_str());
        return 0;
    }
    if (command == "pads") {
        const std::string mappings = (fs::path(path).parent_path() / "gamecontrollerdb.txt").string();
        for (const std::string& line : gameconfig::PadLines(mappings)) std::printf("%s\n", line.c_str());
        return 0;
    }
    if (command == "check") return Check(path, extrasPath, folders);

    GameConfig config = GameConfig::Defaults();
    ExtraSettings extras;
    const bool existed = ReadConfig(path, config);
    // The installed defaults stand in for a player who has no file yet.
    if (!existed && folders.installed) ReadConfig(folders.data + "/Config/Data.dat", config);
    ReadExtras(extrasPath, extras);

    if (command == "show") {
        if (!existed) std::fprintf(stderr, "%s is missing or short; these are the defaults.\n", path.c_str());
        std::fputs(DescribeConfig(config).c_str(), stdout);
        std::fputs(FormatExtraSettings(extras).substr(FormatExtraSettings(extras).find('\n') + 1).c_str(),
                   stdout);
        return 0;
    }
    bool configChanged = false, extrasChanged = false;
    if (command == "defaults") {
        config = GameConfig::Defaults();
        extras = ExtraSettings{};
        configChanged = true;
        extrasChanged = fs::exists(extrasPath);
    } else if (command == "set") {
        if (i >= argc) {
            Usage(defaultPath);
            return 2;
        }
        for (; i < argc; ++i) {
            const std::string_view assignment = argv[i];
            const std::string_view name = assignment.substr(0, assignment.find('='));
            std::string error;
            const bool extra = IsExtraSettingName(name);
            const bool ok = extra ? ApplyExtraSetting(extras, assignment, error)
                                  : ApplySetting(config, assignment, error);
            if (!ok) {
                std::fprintf(stderr, "game-config: %s\n", error.c_str());
                return 1;
            }
            if (extra && name == "soundfont") {
                // The game reads it from wherever it was started.
                if (!extras.soundFont.empty()) extras.soundFont = fs::absolute(extras.soundFont).string();
                if (!CheckSoundFont(extras.soundFont)) return 1;
            }
            (extra ? extrasChanged : configChanged) = true;
        }
    } else {
        Usage(defaultPath);
        return 2;
    }
    if (configChanged && !WriteConfig(path, config)) {
        std::fprintf(stderr, "game-config: cannot write %s\n", path.c_str());
        return 1;
    }
    if (extrasChanged && !WriteExtras(extrasPath, extras)) {
        std::fprintf(stderr, "game-config: cannot write %s\n", extrasPath.c_str());
        return 1;
    }
    return 0;
}
