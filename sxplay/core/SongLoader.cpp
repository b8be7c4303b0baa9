#include "sxplay/core/SongLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <new>

#include "sxplay/core/Errors.h"

namespace sx {

namespace {

constexpr uint64_t kMaxFileSize = 0xFFFFFF;

struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) close(fd);
    }
};

}  // namespace

int32_t LoadSongFromFile(const std::string& path, Song& song) {
    song = Song();
    FileDescriptor file{open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) return kOpenFailed;
    struct stat info {};
    if (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return kOpenFailed;
    if (static_cast<uint64_t>(info.st_size) > kMaxFileSize) return kTooLarge;
    const size_t size = static_cast<size_t>(info.st_size);
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[size + 1]);
    if (!buffer) return kNoMemory;
    size_t done = 0;
    while (done < size) {
        const ssize_t n = read(file.fd, buffer.get() + done, size - done);
        if (n <= 0) return kReadFailed;
        done += static_cast<size_t>(n);
    }
    return ParseSong(buffer.get(), size, song);
}

int32_t LoadSongFromMemory(const void* image, size_t size, Song& song) {
    return ParseSong(static_cast<const uint8_t*>(image), size, song);
}

const SXResource* FindResource(const SXResourceModule* module, const char16_t* name,
                               uint32_t type) {
    if (module == nullptr || module->magic != kSXResourceMagic || module->entries == nullptr)
        return nullptr;
    const uintptr_t number = reinterpret_cast<uintptr_t>(name);
    for (uint32_t i = 0; i < module->count; ++i) {
        const SXResource& entry = module->entries[i];
        if (entry.type != type) continue;
        if (number < 0x10000) {
            if (entry.name == nullptr && entry.id == number) return &entry;
        } else if (entry.name != nullptr && std::u16string_view(entry.name) == name) {
            return &entry;
        }
    }
    return nullptr;
}

int32_t LoadSongFromResource(const SXResourceModule* module, const char16_t* name, uint32_t type,
                             Song& song) {
    song = Song();
    const SXResource* entry = FindResource(module, name, type);
    if (entry == nullptr || entry->data == nullptr) return kOpenFailed;
    if (entry->size == 0) return kBadFormat;
    if (entry->size > kMaxFileSize) return kTooLarge;
    return ParseSong(static_cast<const uint8_t*>(entry->data), entry->size, song);
}

}  // namespace sx
