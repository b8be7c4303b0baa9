#pragma once
// Where the game's files live. Run from its build folder the game reads and
// writes beside itself, relative to the working folder, as it always has.
// Installed (the program sits in bin/ with its data in share/<kGameName>),
// pictures, sounds and music are read from the data folder and everything
// the player makes goes to the XDG user folders:
//   save\N, screenshot\...  ->  $XDG_DATA_HOME/<kGameName>/save/N, ...
//   Config\Data.dat          ->  $XDG_CONFIG_HOME/<kGameName>/Data.dat
//   image\..., sound\..., music\... and anything else relative -> data folder
// The game keeps naming files as before; NativePath applies this mapping.
#include <functional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr const char* kGameName = "harmoa2";

struct GameFolders {
    bool installed = false;
    std::string data;      // read-only pictures, sounds, music, default Config
    std::string userData;  // saves, screenshots, relative log paths
    std::string config;    // the contents of "Config"
};

// Reads an environment variable; null when unset.
using EnvLookup = std::function<const char*(const char* name)>;

// The data folder an installed program in `programDir` reads, or empty when
// the program runs from a game folder (its pictures beside it) or when no
// installed data folder is found.
std::string InstalledDataFolder(const std::string& programDir);

// The folders for a program in `programDir`. XDG variables that are unset,
// empty or relative fall back to ~/.local/share and ~/.config.
GameFolders FoldersFor(const std::string& programDir, const EnvLookup& env);

// The folder of the running program (from /proc/self/exe), empty if unknown.
std::string ProgramFolder();

// The process-wide folders NativePath maps with; the default is the build
// folder layout (no mapping). Installing folders creates the user folders.
void UseGameFolders(const GameFolders& folders);
const GameFolders& CurrentGameFolders();

// A game path with slashes mapped onto the folders (absolute paths and every
// path of a build-folder run are returned as they are).
std::string ResolveGamePath(const GameFolders& folders, std::string_view path);

// A file the player named (the log option): relative to the user data
// folder when installed, else as given.
std::string UserFilePath(const GameFolders& folders, std::string_view path);

// Where the installed defaults of a "Config" file are, or empty when the
// game is not installed or the path is not in "Config".
std::string DefaultConfigPath(const GameFolders& folders, std::string_view path);

// Creates a folder and its parents (mode 0700 for new ones, as XDG asks).
bool MakeFolders(const std::string& folder);

}  // namespace platform
