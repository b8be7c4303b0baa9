// Linked into every test program: tests run headless (no display, no sound
// device) and find the game folder, whether started by CTest or by hand.
#include <cstdlib>

namespace {

struct TestEnvironment {
    TestEnvironment() {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("GAME_DIR", TEST_GAME_DIR, 0);
        setenv("SOURCE_DIR", TEST_SOURCE_DIR, 0);
    }
};
const TestEnvironment g_environment;

}  // namespace
