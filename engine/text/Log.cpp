#include "engine/text/Log.h"

#include <cstdio>
#include <memory>

#include "platform/NativePath.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
std::unique_ptr<std::FILE, FileCloser> g_log;

}  // namespace

void OpenLog(const WString& path) {
    g_log.reset();
    g_log.reset(std::fopen(platform::NativePath(path.View()).c_str(), "w"));
}

void CloseLog() { g_log.reset(); }

bool IsLogOpen() { return g_log != nullptr; }
