#pragma once
// A binary file opened for reading or for writing; the configuration and
// the save slots go through it.
#include <cstddef>
#include <cstdio>
#include <memory>

#include "engine/text/WString.h"

class BinaryFile {
public:
    bool Open(const WString& path, bool forReading);
    size_t Read(void* buffer, size_t bytes);
    size_t Write(const void* buffer, size_t bytes);
    // Reads when opened for reading, else writes.
    size_t Transfer(void* buffer, size_t bytes);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    bool IsReading() const { return reading_; }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    bool reading_ = false;
};
