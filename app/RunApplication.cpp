#include "app/RunApplication.h"

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "app/GameMain.h"
#include "engine/random/Angles.h"
#include "engine/random/Random.h"
#include "engine/text/Files.h"
#include "engine/text/Log.h"
#include "platform/Clock.h"
#include "platform/GameFolders.h"

int RunApplication(const std::vector<WString>& args) { return RunApplication(args, GameMain); }

int RunApplication(const std::vector<WString>& args, const GameEntry& game) {
    // Narrow text is UTF-8 in this build; classify characters the same way.
    std::setlocale(LC_CTYPE, "C.UTF-8");
    FillHexTable();
    SeedRandom(platform::NowMs());
    FillSineTable();
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    const OptionDef def = GameOptions();
    OptionValues values;
    PositionalArgs positional;
    if (ParseOptions(def, args, values, positional, stdout, stderr) != 0) return -1;

    for (size_t i = 0; i < def.names.size(); ++i) {
        if (def.types[i].kind != OptionType::kOutputFile) continue;
        // An installed game writes a relative output file among the player's files.
        WString& value = values[def.names[i]];
        const std::string placed =
            platform::UserFilePath(platform::CurrentGameFolders(), value.ToUtf8());
        if (placed != value.ToUtf8()) value = WString(placed.c_str());
        CreateDirectories(value);
    }
    const WString& logPath = values[WString("log")];
    if (!logPath.Empty()) OpenLog(logPath);
    const int result = game(positional, values);
    CloseLog();
    return result;
}
