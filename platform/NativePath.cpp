#include "platform/NativePath.h"

#include "platform/GameFolders.h"
#include "platform/Utf.h"

namespace platform {

std::string NativePath(std::u16string_view gamePath) {
    std::string path = Utf16ToUtf8(gamePath);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return ResolveGamePath(CurrentGameFolders(), path);
}

}  // namespace platform
