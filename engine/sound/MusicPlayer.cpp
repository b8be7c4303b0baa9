#include "engine/sound/MusicPlayer.h"

#include "engine/notice/Missing.h"
#include "platform/NativePath.h"
#include "platform/Utf.h"
#include "sxplay/SxPlay.h"

const MusicLibrary& SxPlayLibrary() {
    static const MusicLibrary library{SXOpenDevice, SXCloseDevice, SXLoadMusicW, SXPlayMusic,
                                      SXWaitMusic};
    return library;
}

MusicPlayer::MusicPlayer(const MusicLibrary& library) : library_(library) {
    open_ = library_.openDevice(-1, nullptr) == 0;
}

bool MusicPlayer::Reopen(int32_t deviceId) {
    if (open_) {
        Stop();
        library_.closeDevice();
    }
    open_ = library_.openDevice(deviceId, nullptr) == 0;
    return open_;
}

MusicPlayer::~MusicPlayer() {
    if (!open_) return;
    Stop();
    if (library_.closeDevice() == 0) open_ = false;
}

void MusicPlayer::Stop() {
    if (!enabled_ || !playing_) return;
    library_.pause();
    playing_ = false;
}

bool MusicPlayer::Play(const WString& path) {
    if (!enabled_) return false;
    if (!open_) {
        // Said the first time the game asks for music it cannot have.
        ReportMissing(MissingKind::kMusicOutput, "");
        return false;
    }
    Stop();
    // The library opens the file itself, so it gets the native path.
    const std::string file = platform::NativePath(path.View());
    const std::u16string native = platform::Utf8ToUtf16(file);
    if (library_.load(native.c_str()) != 0 || library_.play() != 0) {
        ReportMissing(MissingKind::kTune, file);
        return false;
    }
    playing_ = true;
    return true;
}
