#include "engine/text/Files.h"

#include <sys/stat.h>

#include <vector>

#include "engine/text/Pattern.h"
#include "platform/NativePath.h"

bool FileExists(const WString& path, uint32_t* size) {
    struct stat info {};
    if (stat(platform::NativePath(path.View()).c_str(), &info) != 0) return false;
    if (!S_ISREG(info.st_mode)) return false;
    if (size != nullptr) *size = static_cast<uint32_t>(info.st_size);
    return true;
}

bool DirectoryExists(const WString& path) {
    struct stat info {};
    return stat(platform::NativePath(path.View()).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool DirectoriesAlong(const WString& path, std::vector<WString>& folders) {
    // Both separators are welcome; the patterns below speak backslash.
    WString normal(path);
    normal.ReplaceAll(WString("/"), WString("\\"), false, WString());

    static const Pattern drive("^{.:\\\\}({.+?}\\\\)*.*");
    static const Pattern plain("^({.+?}\\\\)*.*");
    std::vector<WString> parts;
    WString current;
    folders.clear();
    if (drive.Match(nullptr, &parts, normal)) {
        current = parts[0];
        parts.erase(parts.begin());
    } else if (!plain.Match(nullptr, &parts, normal)) {
        return false;
    }
    for (const WString& part : parts) {
        current.Append(part);
        folders.push_back(current);
        current.Append(WString("\\"));
    }
    return true;
}

bool CreateDirectories(const WString& path) {
    std::vector<WString> folders;
    if (!DirectoriesAlong(path, folders)) return false;
    for (const WString& folder : folders) {
        mkdir(platform::NativePath(folder.View()).c_str(), 0777);  // existing is fine
    }
    return true;
}
