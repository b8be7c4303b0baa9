#include "engine/text/BinaryFile.h"

#include "platform/NativePath.h"

bool BinaryFile::Open(const WString& path, bool forReading) {
    Close();
    file_.reset(std::fopen(platform::NativePath(path.View()).c_str(), forReading ? "rb" : "wb"));
    reading_ = forReading;
    return file_ != nullptr;
}

size_t BinaryFile::Read(void* buffer, size_t bytes) {
    return file_ ? std::fread(buffer, 1, bytes, file_.get()) : 0;
}

size_t BinaryFile::Write(const void* buffer, size_t bytes) {
    return file_ ? std::fwrite(buffer, 1, bytes, file_.get()) : 0;
}

size_t BinaryFile::Transfer(void* buffer, size_t bytes) {
    return reading_ ? Read(buffer, bytes) : Write(buffer, bytes);
}

void BinaryFile::Close() { file_.reset(); }
