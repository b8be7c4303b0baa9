// Process entry: the real command line goes to the application framework.
#include <cstdlib>
#include <vector>

#include "app/RunApplication.h"
#include "platform/GameFolders.h"

int main(int argc, char** argv) {
    // Installed, the game reads its data from share/ and keeps the player's
    // files in the XDG folders; from a game folder everything stays beside it.
    platform::UseGameFolders(platform::FoldersFor(platform::ProgramFolder(), std::getenv));
    std::vector<WString> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return RunApplication(args);
}
