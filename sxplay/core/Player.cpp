#include "sxplay/core/Player.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "sxplay/core/Errors.h"
#include "sxplay/core/SongLoader.h"
#include "sxplay/core/Text.h"

namespace sx {

namespace {

float AsFloat(intptr_t value) { return std::bit_cast<float>(static_cast<uint32_t>(value)); }
intptr_t FloatBits(float value) { return static_cast<intptr_t>(std::bit_cast<uint32_t>(value)); }

void SetBit(std::atomic<uint32_t>& word, uint32_t bit, bool on) {
    if (on) {
        word.fetch_or(bit);
    } else {
        word.fetch_and(~bit);
    }
}

}  // namespace

Player::Player(PlayerDeps deps) : deps_(std::move(deps)) {}

Player::~Player() {
    // Unloading: the application's callback may already be gone.
    settings_.callback = nullptr;
    CloseDevice();
}

void Player::WaitForOpen() {
    std::unique_lock lock(openMutex_);
    openDone_.wait(lock, [this] { return !opening_; });
}

void* Player::OpenThread(void* self) {
    Player& player = *static_cast<Player*>(self);
    std::unique_ptr<Output> output = player.deps_.openOutput(player.settings_.deviceId.load());
    std::lock_guard lock(player.openMutex_);
    if (output) {
        player.output_ = std::move(output);
        player.sequencer_.SetOutput(player.output_.get());
        player.settings_.playState = kIdle;
        player.settings_.mainState = kOpen;
    } else {
        player.settings_.deviceId = -1;
    }
    player.opening_ = false;
    player.openDone_.notify_all();
    return nullptr;
}

int32_t Player::OpenDevice(int32_t deviceId, pthread_t* thread) {
    {
        std::lock_guard lock(openMutex_);
        if (settings_.mainState.load() != kClosed || opening_) return kBadCall;
        if (thread != nullptr) {
            settings_.deviceId = deviceId;
            opening_ = true;
            if (pthread_create(thread, nullptr, OpenThread, this) != 0) {
                opening_ = false;
                settings_.deviceId = -1;
                return kNoMemory;
            }
            return kOk;
        }
    }
    std::unique_ptr<Output> output = deps_.openOutput(deviceId);
    if (!output) {
        settings_.Notify(0, deviceId);
        return kDeviceFailed;
    }
    output_ = std::move(output);
    sequencer_.SetOutput(output_.get());
    settings_.deviceId = deviceId;
    settings_.playState = kIdle;
    settings_.mainState = kOpen;
    settings_.Notify(1, deviceId);
    return kOk;
}

int32_t Player::CloseDevice() {
    WaitForOpen();
    const int32_t state = settings_.mainState.load();
    if (state == kClosed) return kBadCall;
    if (state == kPlaying) {
        const int32_t result = Stop();
        if (result != kOk) return result;
    }
    timer_.reset();
    sequencer_.SetOutput(nullptr);
    output_.reset();
    settings_.mainState = kClosed;
    settings_.playState = kIdle;
    settings_.deviceId = -1;
    sequencer_.FreeSong();
    settings_.Notify(2, 0);
    return kOk;
}

int32_t Player::LoadMusic(const char16_t* text, const void* module, uint32_t typeOrSize,
                          const std::string* narrowPath) {
    if (text == nullptr) return kBadParameter;
    const int32_t state = settings_.mainState.load();
    if (state == kClosed || state == kPlaying) return kBadCall;
    if (state == kLoaded || state == kPaused) sequencer_.FreeSong();
    Song& song = sequencer_.CurrentSong();
    const bool image = module == nullptr && typeOrSize != 0;
    int32_t result;
    if (module != nullptr) {
        result = LoadSongFromResource(static_cast<const SXResourceModule*>(module), text,
                                      typeOrSize, song);
    } else if (image) {
        result = LoadSongFromMemory(text, typeOrSize, song);
    } else {
        result = LoadSongFromFile(narrowPath != nullptr ? *narrowPath : Utf16ToUtf8(text), song);
    }
    if (result != kOk) {
        sequencer_.FreeSong();
        settings_.mainState = kOpen;
        return result;
    }
    settings_.mainState = kLoaded;
    if (settings_.callback.load() != nullptr) {
        // A memory image has no text to report.
        intptr_t value = 0;
        std::string narrow;
        if (!image) {
            value = reinterpret_cast<intptr_t>(text);
            if (value >= 0x10000 && !settings_.wideText.load()) {
                narrow = narrowPath != nullptr ? *narrowPath : Utf16ToUtf8(text);
                value = reinterpret_cast<intptr_t>(narrow.c_str());
            }
        }
        settings_.Notify(3, value);
    }
    return kOk;
}

int32_t Player::LoadMusicNarrow(const char* text, const void* module, uint32_t typeOrSize) {
    if (text == nullptr || (module == nullptr && typeOrSize != 0) ||
        reinterpret_cast<uintptr_t>(text) < 0x10000)
        return LoadMusic(reinterpret_cast<const char16_t*>(text), module, typeOrSize);
    try {
        const std::string path(text);
        const std::u16string wide = Utf8ToUtf16(path);
        return LoadMusic(wide.c_str(), module, typeOrSize, &path);
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
}

int32_t Player::Play() {
    const int32_t state = settings_.mainState.load();
    if (state != kLoaded && state != kPaused) return kBadCall;
    const double now = deps_.clock();
    sequencer_.SendReset(settings_.resetType.load(), now);
    sequencer_.StartPlay(now);
    if (!timer_) timer_ = deps_.makeTimer();
    settings_.mainState = kPlaying;
    settings_.playState = kPlay;
    if (!timer_ || !timer_->Start([this](double t) { sequencer_.Tick(t); })) {
        settings_.mainState = state;
        settings_.playState = kIdle;
        return kInternal;
    }
    startMs_ = now;
    accumulatedMs_ = 0;
    settings_.Notify(4, 0);
    return kOk;
}

int32_t Player::Stop() {
    const int32_t state = settings_.mainState.load();
    if (state == kClosed || state == kOpen) return kBadCall;
    if (state == kPlaying) {
        timer_->Stop();
        sequencer_.CancelTick();
        const double now = deps_.clock();
        if ((settings_.options.load() & kStopByReset) != 0) {
            output_->Reset(now);
        } else {
            sequencer_.AllNotesOff(now);
        }
    }
    settings_.mainState = kLoaded;
    settings_.playState = kIdle;
    settings_.Notify(5, 0);
    return kOk;
}

int32_t Player::Pause() {
    const int32_t state = settings_.mainState.load();
    if (state == kClosed || state == kOpen || state == kLoaded) return kBadCall;
    if (state == kPlaying) {
        timer_->Stop();
        sequencer_.CancelTick();
        const double now = deps_.clock();
        accumulatedMs_ += now - startMs_;
        sequencer_.AllNotesOff(now);
    }
    settings_.mainState = kPaused;
    settings_.playState = kIdle;
    settings_.Notify(6, 0);
    return kOk;
}

int32_t Player::Resume() {
    if (settings_.mainState.load() != kPaused) return kBadCall;
    if (!timer_) timer_ = deps_.makeTimer();
    settings_.mainState = kPlaying;
    settings_.playState = kPlay;
    if (!timer_ || !timer_->Start([this](double t) { sequencer_.Tick(t); })) {
        settings_.mainState = kPaused;
        settings_.playState = kIdle;
        return kInternal;
    }
    startMs_ = deps_.clock();
    settings_.Notify(7, 0);
    return kOk;
}

int32_t Player::FadeOut(uint32_t ms) {
    if (ms < 100 || ms > 10000) return kBadParameter;
    if (settings_.mainState.load() != kPlaying || settings_.playState.load() != kPlay)
        return kBadCall;
    settings_.fadeTotal = ms;
    settings_.fadeLevel = ms;
    settings_.playState = kFadingOut;
    settings_.Notify(9, 0);
    return kOk;
}

int32_t Player::FadeIn(uint32_t ms) {
    if (ms < 100 || ms > 10000) return kBadParameter;
    if (settings_.mainState.load() != kPlaying || settings_.playState.load() != kPlay)
        return kBadCall;
    settings_.fadeTotal = ms;
    settings_.fadeLevel = 0;
    settings_.playState = kFadingIn;
    settings_.Notify(11, 0);
    return kOk;
}

int32_t Player::SendSysEx(const uint8_t* data, int32_t length) {
    if (length == 0 || data == nullptr) return kBadParameter;
    if (settings_.mainState.load() == kClosed) return kBadCall;
    if (length < -4) return kBadParameter;
    return sequencer_.SendSysEx(data, length, deps_.clock());
}

int32_t Player::SetCaps(int32_t type, intptr_t value) {
    const int32_t number = static_cast<int32_t>(value);
    switch (type) {
        case 0:
            if (number != 1 && number != 3 && number != 4) return kBadParameter;
            settings_.resetType = number;
            return kOk;
        case 1: settings_.filter = static_cast<uint32_t>(value); return kOk;
        case 2: settings_.wideText = value != 0; return kOk;
        case 3: SetBit(settings_.options, kReportText, value != 0); return kOk;
        case 4: settings_.callback = reinterpret_cast<SXCallback>(value); return kOk;
        case 5: settings_.userData = value; return kOk;
        case 6: {
            const float speed = AsFloat(value);
            if (!(speed >= 0.2f && speed <= 5.0f)) return kBadParameter;
            settings_.speed = speed;
            return kOk;
        }
        case 7:
            if (static_cast<uint32_t>(value) > 100) return kBadParameter;
            settings_.velocityScale = static_cast<uint32_t>(value);
            return kOk;
        case 8: {
            const float ms = AsFloat(value);
            if (!(ms >= 0.0f) || std::isinf(ms)) return kBadParameter;
            const int32_t state = settings_.mainState.load();
            if (state != kLoaded && state != kPaused) return kBadCall;
            const int32_t result = sequencer_.Seek(ms, deps_.clock(), state == kLoaded);
            if (result == kOk) {
                settings_.mainState = kPaused;
                accumulatedMs_ = ms;
            }
            return result;
        }
        case 9:
            if (number < -12 || number > 11) return kBadParameter;
            settings_.transpose = number;
            return kOk;
        case 10: {
            const float delay = AsFloat(value);
            if (!(delay >= 0.0f && delay <= 1000.0f)) return kBadParameter;
            settings_.startDelay = delay;
            return kOk;
        }
        case 11: SetBit(settings_.options, kSkipSilence, value != 0); return kOk;
        case 12: SetBit(settings_.options, kStopByReset, value != 0); return kOk;
        default: return kBadParameter;
    }
}

int32_t Player::GetCaps(int32_t type, intptr_t* result) {
    if (result == nullptr) return kBadParameter;
    switch (type) {
        case 0: *result = settings_.resetType.load(); return kOk;
        case 1: *result = settings_.filter.load(); return kOk;
        case 2: *result = settings_.wideText.load() ? 1 : 0; return kOk;
        case 3: *result = (settings_.options.load() & kReportText) != 0; return kOk;
        case 4: *result = reinterpret_cast<intptr_t>(settings_.callback.load()); return kOk;
        case 5: *result = settings_.userData.load(); return kOk;
        case 6: *result = FloatBits(settings_.speed.load()); return kOk;
        case 7: *result = settings_.velocityScale.load(); return kOk;
        case 8:
            if (settings_.mainState.load() != kPlaying) return kBadCall;
            *result = PositionMs();
            return kOk;
        case 9: *result = settings_.transpose.load(); return kOk;
        case 10: *result = FloatBits(settings_.startDelay.load()); return kOk;
        case 11: *result = (settings_.options.load() & kSkipSilence) != 0; return kOk;
        default: return kBadParameter;  // 12 can be set but not read
    }
}

int32_t Player::PositionMs() const {
    return static_cast<int32_t>(accumulatedMs_ + (deps_.clock() - startMs_));
}

int32_t Player::GetStatus(void* destination, uint32_t size) {
    if (destination == nullptr || size == 0) return kBadParameter;
    const bool playing = settings_.mainState.load() == kPlaying;
    const SXStatus status{settings_.mainState.load(), settings_.playState.load(),
                          playing ? PositionMs() : 0, settings_.deviceId.load(),
                          static_cast<int32_t>(settings_.loopCount.load())};
    std::memcpy(destination, &status, std::min<size_t>(size, sizeof status));
    return kOk;
}

int32_t ErrorStringW(int32_t code, char16_t* buffer, uint32_t maximum) {
    const std::u16string_view message = ErrorMessage(code);
    if (message.empty()) return 0;
    if (buffer == nullptr) return static_cast<int32_t>(message.size());
    const size_t n = std::min<size_t>(message.size(), maximum);
    std::copy_n(message.data(), n, buffer);
    buffer[n] = 0;
    return static_cast<int32_t>(n);
}

int32_t ErrorStringA(int32_t code, char* buffer, uint32_t maximum) {
    const std::u16string_view message = ErrorMessage(code);
    if (message.empty()) return 0;
    const std::string narrow = Utf16ToUtf8(message.substr(0, 128));
    if (buffer == nullptr) return static_cast<int32_t>(narrow.size());
    size_t n = std::min<size_t>(narrow.size(), maximum);
    // Never cut a character in half.
    while (n > 0 && n < narrow.size() && (static_cast<uint8_t>(narrow[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, narrow.data(), n);
    buffer[n] = 0;
    return static_cast<int32_t>(n);
}

namespace {

constexpr const char* kMaker = "Harmoa 2 team";
constexpr const char* kNotice = "ハルモア2 の音楽を鳴らす MIDI 再生ライブラリ";
constexpr const char* kProduct = "sxplay";
constexpr const char* kHomePage = "sxplay/README.md";

template <class Record, class Char>
int32_t FillVersion(uint32_t size, void* destination, void (*put)(Char*, size_t, const char*)) {
    if (size == 0 || destination == nullptr) return 0;
    Record record{};
    record.recordVersion = 1;
    record.libraryVersion = kLibraryVersion;
    record.secondVersion = 0x010F0000;
    put(record.maker, std::size(record.maker), kMaker);
    put(record.notice, std::size(record.notice), kNotice);
    put(record.product, std::size(record.product), kProduct);
    put(record.homePage, std::size(record.homePage), kHomePage);
    record.year = 2009;
    record.month = 10;
    record.day = 4;
    std::memcpy(destination, &record, std::min<size_t>(size, sizeof record));
    size_t length = 0;
    while (length < std::size(record.homePage) && record.homePage[length] != 0) ++length;
    return static_cast<int32_t>(length);
}

void PutNarrow(char* field, size_t capacity, const char* text) {
    std::strncpy(field, text, capacity - 1);
}

void PutWide(char16_t* field, size_t capacity, const char* text) {
    const std::u16string wide = Utf8ToUtf16(text);
    std::copy_n(wide.data(), std::min(wide.size(), capacity - 1), field);
}

}  // namespace

int32_t VersionA(uint32_t size, void* destination) {
    return FillVersion<SXVersionA, char>(size, destination, PutNarrow);
}

int32_t VersionW(uint32_t size, void* destination) {
    return FillVersion<SXVersionW, char16_t>(size, destination, PutWide);
}

}  // namespace sx
