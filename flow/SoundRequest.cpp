#include "flow/SoundRequest.h"

#include "engine/sound/SoundPlayer.h"

namespace {

WString& Request() {
    static WString request;
    return request;
}

}  // namespace

void RequestSound(const WString& name) { Request() = name; }

const WString& CurrentSoundRequest() { return Request(); }

void ClearSoundRequest() { Request() = WString(); }

WString SoundRequestPath(const WString& name) {
    WString path;
    path.Format("sound\\%S.wav", name);
    return path;
}

void PlaySoundRequest() {
    if (!Request().Empty()) Sound().Play(SoundRequestPath(Request()));
}
