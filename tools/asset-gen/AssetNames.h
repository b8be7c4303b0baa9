#pragma once
// Every file the game opens, read from the content tables (which must be
// built first) and from the fixed names of the screens. Game paths use
// backslashes, as the game writes them.
#include <string>
#include <vector>

namespace assetgen {

struct EnemyPicture {
    std::string name;       // file name in "image\enemy"
    double largestScale;    // the biggest scale any row draws it at
};

struct EffectPicture {
    std::string name;       // file name in "image\effect"
    int columns, rows;      // the grid of the first row that names it
};

struct FacePicture {
    int faceNumber;
    int character;          // the row that shows it
};

enum class MusicRole { kTitle, kTown, kDefeat, kField, kBattle, kBoss };

struct MusicUse {
    std::string name;       // file name in "music"
    MusicRole role;
    // 0..1: how deep or how hard the places and fights that play it are.
    double intensity;
};

std::vector<EnemyPicture> EnemyPictures();
std::vector<EffectPicture> EffectPictures();
std::vector<FacePicture> FacePictures();
// The screens' sounds ("cur", "decide", "cancel", "power21") and every
// sound of the effect table, as file names with the extension.
std::vector<std::string> SoundFiles();
std::vector<MusicUse> MusicUses();
// The backgrounds any area row names (the screens use 0, 1 and 3).
std::vector<int> AreaBackgrounds();

inline constexpr int kStatusIconCount = 30;

}  // namespace assetgen
