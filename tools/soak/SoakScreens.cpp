#include "tools/soak/SoakScreens.h"

#include "flow/GameFlow.h"

namespace {

std::string Numbered(const char* mode, int32_t step) { return std::string(mode) + "/" + std::to_string(step); }

std::string TownScreen(int32_t menu, int32_t sub) {
    switch (menu) {
        case 0: return "town/menu";
        case 1: return "town/shop";
        case 2: return "town/pawnshop";
        case 4: return "town/guild";
        case 5: return "town/tavern";
        case 6: return "town/save";
        case 10: {
            static const char* const kSteps[] = {"recipes", "slots", "materials", "confirm"};
            if (sub >= 0 && sub < 4) return std::string("town/synthesis-") + kSteps[sub];
            return Numbered("town/synthesis", sub);
        }
        default: return Numbered("town", menu);
    }
}

std::string BattleScreen(int32_t menu) {
    static const char* const kSteps[] = {"running", "next-member", "command", "target", "defeat",
                                         "victory"};
    if (menu >= 0 && menu < 6) return std::string("battle/") + kSteps[menu];
    return Numbered("battle", menu);
}

std::string CampScreen(int32_t sub) {
    switch (sub) {
        case 0: return "camp/menu";
        case 1: return "camp/member-choice";
        case 2: return "camp/status";
        case 3: return "camp/status-rows";
        case 4: return "camp/equip";
        case 11: return "camp/item-slots";
        case 12: return "camp/item-for-slot";
        case 21: return "camp/bag";
        case 22: return "camp/storage";
        case 30: return "camp/add-member";
        default: return Numbered("camp", sub);
    }
}

}  // namespace

std::string CurrentScreenName() {
    const GameFlow& flow = Flow();
    switch (CurrentMode()) {
        case GameMode::kTitle: return flow.menuState == 0 ? "title/menu" : "title/slots";
        case GameMode::kTown: return TownScreen(flow.menuState, flow.subState);
        case GameMode::kAreaChoice: return flow.menuState == 0 ? "area/list" : "area/depth";
        case GameMode::kExploration: return "explore/walk";
        case GameMode::kBattle: return BattleScreen(flow.menuState);
        case GameMode::kCamp: return CampScreen(flow.subState);
        default: return Numbered("mode", CurrentMode());
    }
}

const std::vector<std::string>& RequiredScreens() {
    static const std::vector<std::string> screens = {
        "title/menu",         "town/menu",          "town/shop",
        "town/pawnshop",      "town/guild",         "town/tavern",
        "town/save",          "town/synthesis-recipes", "town/synthesis-slots",
        "town/synthesis-materials", "area/list",    "area/depth",
        "explore/walk",       "battle/running",     "battle/command",
        "battle/target",      "battle/victory",     "battle/defeat",
        "camp/menu",          "camp/member-choice", "camp/status",
        "camp/status-rows",   "camp/equip",         "camp/item-slots",
        "camp/item-for-slot", "camp/bag",           "camp/storage",
        "camp/add-member",
    };
    return screens;
}

const std::vector<std::string>& RequiredModes() {
    static const std::vector<std::string> modes = {"title", "town", "area", "explore", "battle",
                                                   "camp"};
    return modes;
}

std::string ModeOf(const std::string& screen) { return screen.substr(0, screen.find('/')); }
