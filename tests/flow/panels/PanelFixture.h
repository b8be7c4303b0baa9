#pragma once
// Panel tests run on the process-wide game state: the content is built
// once, and each test gets a known party (members, level, equipment, gold)
// and puts the old state and the character rows back afterwards. Picture
// tests add a headless device with the game's font and pictures.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "content/ContentDatabase.h"
#include "content/Items.h"
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "flow/SharedPictures.h"
#include "flow/panels/Panels.h"
#include "platform/Window.h"
#include "rules/BattleState.h"
#include "rules/CharacterSnapshot.h"
#include "rules/Equipment.h"
#include "rules/Expedition.h"
#include "rules/Levels.h"
#include "rules/PartyState.h"

namespace paneltest {

inline void EnsureContent() {
    if (!ItemName(1).Empty()) return;
    BuildContentTables();
    BuildLateContentTables();
}

class StateGuard {
public:
    StateGuard() {
        EnsureContent();
        party_ = std::exchange(GameParty(), PartyState{});
        expedition_ = std::exchange(GameExpedition(), ExpeditionState{});
        battle_ = std::exchange(GameBattle(), BattleState{});
        characters_ = TakeCharacterSnapshot();
    }
    ~StateGuard() {
        GameParty() = std::move(party_);
        GameExpedition() = std::move(expedition_);
        GameBattle() = std::move(battle_);
        RestoreCharacters(characters_);
    }
    StateGuard(const StateGuard&) = delete;
    StateGuard& operator=(const StateGuard&) = delete;

private:
    PartyState party_;
    ExpeditionState expedition_;
    BattleState battle_;
    CharacterSnapshots characters_;
};

// The texts of a layout, searched the way a player reads the panel.
inline const PanelText* FindText(const PanelDrawing& d, const std::string& utf8) {
    for (const PanelText& t : d.texts)
        if (t.text.ToUtf8() == utf8) return &t;
    return nullptr;
}
inline bool HasText(const PanelDrawing& d, const std::string& utf8) {
    return FindText(d, utf8) != nullptr;
}
// The value drawn on the same line as `label`, to its right.
inline const PanelText* ValueBeside(const PanelDrawing& d, const PanelText* label) {
    if (label == nullptr) return nullptr;
    const PanelText* best = nullptr;
    for (const PanelText& t : d.texts) {
        if (&t == label || t.at.y != label->at.y || t.at.x <= label->at.x) continue;
        if (best == nullptr || t.at.x < best->at.x) best = &t;
    }
    return best;
}
inline std::string ValueOf(const PanelDrawing& d, const std::string& label) {
    const PanelText* value = ValueBeside(d, FindText(d, label));
    return value != nullptr ? value->text.ToUtf8() : std::string("<none>");
}

// A headless device in the game folder with the font and every picture.
class PanelPictureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureContent();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_TRUE(Graphics().Create(window_, WString("DLG0"), {0, 0, 640, 480}, WString(), 0, 0,
                                      PresentParams{}));
        FontSpec font;
        font.height = 128;
        font.width = 64;
        font.weight = 2400;
        ASSERT_TRUE(Graphics().Text().CreateFont(font)) << "no Japanese font installed";
        Graphics().Text().SetShadow(1);
        Graphics().Text().SetShadowOffset({2, 2});
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(std::getenv("GAME_DIR"));
        LoadSharedPictures();
        LoadContentPictures();
        std::filesystem::current_path(previous);
    }
    static void TearDownTestSuite() {
        ReleaseContentPictures();
        ReleaseSharedPictures();
        Graphics().Release();
        window_.Destroy();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    void BeginFrame() {
        Graphics().BeginScene();
        Graphics().Clear({40, 60, 40, 255});
        Graphics().SetColor({255, 255, 255, 255});
    }
    void Capture() { ASSERT_TRUE(Graphics().CaptureFrame(frame_)); }
    Color At(int x, int y) const {
        return Color::FromArgb(frame_.at(size_t(y) * GraphicsDevice::kWidth + size_t(x)));
    }

    static inline platform::Window window_;
    std::vector<uint32_t> frame_;
};

}  // namespace paneltest
