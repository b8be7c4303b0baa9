#include "flow/MusicChange.h"

#include "engine/sound/MusicPlayer.h"

namespace {

WString& Last() {
    static WString last;
    return last;
}

}  // namespace

void PlayMusic(const WString& path) {
    Last() = path;
    Music().Play(path);
}

void PlayMusicFile(const WString& file) {
    WString path;
    path.Format("music\\%S", file);
    PlayMusic(path);
}

const WString& LastMusic() { return Last(); }
