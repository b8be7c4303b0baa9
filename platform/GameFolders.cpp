#include "platform/GameFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cerrno>
#include <cstdlib>
#include <vector>

#ifndef GAME_DATA_FROM_PROGRAM
#define GAME_DATA_FROM_PROGRAM "../share/harmoa2"
#endif

namespace platform {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string Join(std::string_view base, std::string_view rest) {
    std::string out(base);
    if (!out.empty() && out.back() != '/') out += '/';
    out += rest;
    return out;
}

bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::string HomeFolder(const EnvLookup& env) {
    const char* home = env("HOME");
    if (home != nullptr && IsAbsolute(home)) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && IsAbsolute(found->pw_dir ? found->pw_dir : "")) {
        return found->pw_dir;
    }
    return {};
}

// $VARIABLE if it is an absolute path (relative ones are to be ignored),
// else ~/fallback.
std::string XdgFolder(const EnvLookup& env, const char* variable, const char* fallback) {
    const char* value = env(variable);
    if (value != nullptr && IsAbsolute(value)) return value;
    const std::string home = HomeFolder(env);
    return home.empty() ? std::string() : Join(home, fallback);
}

GameFolders& Current() {
    static GameFolders folders;
    return folders;
}

}  // namespace

std::string InstalledDataFolder(const std::string& programDir) {
    if (programDir.empty() || IsFolder(Join(programDir, "image"))) return {};
    const std::string data = Join(programDir, GAME_DATA_FROM_PROGRAM);
    if (!IsFolder(Join(data, "image"))) return {};
    char resolved[PATH_MAX];
    return realpath(data.c_str(), resolved) != nullptr ? std::string(resolved) : data;
}

GameFolders FoldersFor(const std::string& programDir, const EnvLookup& env) {
    GameFolders folders;
    folders.data = InstalledDataFolder(programDir);
    if (folders.data.empty()) return GameFolders{};
    const std::string dataHome = XdgFolder(env, "XDG_DATA_HOME", ".local/share");
    const std::string configHome = XdgFolder(env, "XDG_CONFIG_HOME", ".config");
    // Without any home the player's files have nowhere to go but the working
    // folder; pictures are still read from the data folder.
    folders.installed = true;
    folders.userData = dataHome.empty() ? "." : Join(dataHome, kGameName);
    folders.config = configHome.empty() ? "Config" : Join(configHome, kGameName);
    return folders;
}

std::string ProgramFolder() {
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return {};
    const std::string path(buffer.data(), static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
}

void UseGameFolders(const GameFolders& folders) {
    Current() = folders;
    if (!folders.installed) return;
    MakeFolders(folders.userData);
    MakeFolders(folders.config);
}

const GameFolders& CurrentGameFolders() { return Current(); }

std::string ResolveGamePath(const GameFolders& folders, std::string_view path) {
    if (!folders.installed || IsAbsolute(path)) return std::string(path);
    const size_t slash = path.find('/');
    const std::string_view first = path.substr(0, slash);
    if (first == "save" || first == "screenshot") return Join(folders.userData, path);
    if (first == "Config") {
        return slash == std::string_view::npos ? folders.config
                                               : Join(folders.config, path.substr(slash + 1));
    }
    return Join(folders.data, path);
}

std::string UserFilePath(const GameFolders& folders, std::string_view path) {
    if (!folders.installed || path.empty() || IsAbsolute(path)) return std::string(path);
    return Join(folders.userData, path);
}

std::string DefaultConfigPath(const GameFolders& folders, std::string_view path) {
    if (!folders.installed || !path.starts_with("Config/")) return {};
    return Join(folders.data, path);
}

bool MakeFolders(const std::string& folder) {
    if (folder.empty()) return false;
    for (size_t at = 1; at <= folder.size(); ++at) {
        if (at != folder.size() && folder[at] != '/') continue;
        const std::string part = folder.substr(0, at);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return IsFolder(folder);
}

}  // namespace platform
