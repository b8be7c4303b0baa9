#include "flow/SaveFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "engine/text/BinaryFile.h"
#include "engine/text/Files.h"
#include "platform/NativePath.h"

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closing reports late write errors on some file systems, so it is
    // checked like a write.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename lives in the folder's entries; without this a power cut can
// still bring back the old name. Nothing is lost if it fails: the new file
// is already in place.
void SyncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) ::fsync(dir.Get());
}

bool Abandon(const std::string& temporary) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return false;
}

}  // namespace

SaveCheck ReadSaveFile(const WString& path, SaveRecord& record) {
    SaveCheck missing;
    missing.fault = SaveFault::kMissing;
    if (!FileExists(path)) return missing;
    BinaryFile file;
    if (!file.Open(path, true)) return missing;

    // Read one byte past the limit so that a larger file is seen as such.
    std::vector<uint8_t> bytes;
    constexpr size_t kChunk = 64 * 1024;
    while (bytes.size() <= SaveLayout::kMaxFileBytes) {
        const size_t before = bytes.size();
        bytes.resize(before + kChunk);
        const size_t got = file.Read(bytes.data() + before, kChunk);
        bytes.resize(before + got);
        if (got < kChunk) break;
    }
    return DecodeSave(bytes, record);
}

bool ReplaceFile(const WString& path, std::span<const uint8_t> bytes) {
    CreateDirectories(path);  // a failure shows when the file is opened
    const std::string target = platform::NativePath(path.View());
    const std::string temporary = target + ".tmp";

    // A leftover from an interrupted save goes first; O_EXCL then makes
    // sure the file written is a new one and not whatever the name points to.
    ::unlink(temporary.c_str());
    Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.Valid()) return false;
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0 || !file.Close())
        return Abandon(temporary);
    if (std::rename(temporary.c_str(), target.c_str()) != 0) return Abandon(temporary);
    SyncFolder(FolderOf(target));
    return true;
}
