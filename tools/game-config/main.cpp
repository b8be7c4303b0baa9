// Writes or edits the game's configuration file so that nobody edits bytes
// by hand.  game-config [--file PATH] [show | defaults | set NAME=VALUE...]
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/ConfigEdit.h"
#include "engine/text/BinaryFile.h"
#include "engine/text/Files.h"

namespace {

void Usage() {
    std::fputs(
        "usage: game-config [--file PATH] show\n"
        "       game-config [--file PATH] defaults\n"
        "       game-config [--file PATH] set NAME=VALUE [NAME=VALUE...]\n"
        "\n"
        "PATH defaults to Config/Data.dat in the current folder. Settings:\n"
        "  normal-period, fast-period  milliseconds per frame (0 to 1000)\n"
        "  fullscreen, music, sound    on or off\n"
        "  width, height               window size in pixels\n"
        "  key.BUTTON                  a key name (Z, X, Return, Space, F1, Left, ...) or none\n"
        "  joy.BUTTON                  a joystick button 1 to 10, or none\n"
        "  BUTTON: decide cancel speed pageup pagedown sellall spare1..spare5\n",
        stderr);
}

bool Read(const char* path, GameConfig& config) {
    BinaryFile file;
    uint8_t raw[GameConfig::kFileSize];
    if (!file.Open(WString(path), true)) return false;
    const size_t got = file.Read(raw, sizeof raw);
    if (got < sizeof raw) return false;
    config = GameConfig::FromBytes(raw, got);
    return true;
}

bool Write(const char* path, const GameConfig& config) {
    CreateDirectories(WString(path));
    BinaryFile file;
    const std::vector<uint8_t> raw = config.ToBytes();
    return file.Open(WString(path), false) && file.Write(raw.data(), raw.size()) == raw.size();
}

}  // namespace

int main(int argc, char** argv) {
    const char* path = "Config/Data.dat";
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--file") == 0) {
        path = argv[i + 1];
        i += 2;
    }
    if (i >= argc) {
        Usage();
        return 2;
    }
    const std::string command = argv[i++];
    GameConfig config = GameConfig::Defaults();
    const bool existed = Read(path, config);

    if (command == "show") {
        if (!existed) std::fprintf(stderr, "%s is missing or short; these are the defaults.\n", path);
        std::fputs(DescribeConfig(config).c_str(), stdout);
        return 0;
    }
    if (command == "defaults") config = GameConfig::Defaults();
    else if (command == "set") {
        if (i >= argc) {
            Usage();
            return 2;
        }
        for (; i < argc; ++i) {
            std::string error;
            if (!ApplySetting(config, argv[i], error)) {
                std::fprintf(stderr, "game-config: %s\n", error.c_str());
                return 1;
            }
        }
    } else {
        Usage();
        return 2;
    }
    if (!Write(path, config)) {
        std::fprintf(stderr, "game-config: cannot write %s\n", path);
        return 1;
    }
    return 0;
}
