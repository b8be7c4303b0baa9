#pragma once
// The game names files with backslashes ("image\back\0.bmp"); the file system
// here wants slashes. Only this boundary converts, and it places the path
// in the data or user folders of an installed game (GameFolders).
#include <string>
#include <string_view>

namespace platform {

std::string NativePath(std::u16string_view gamePath);

}  // namespace platform
