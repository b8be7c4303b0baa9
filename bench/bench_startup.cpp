// Start-up to the first title frame: starts game-script (the game's own
// start-up and frame, driven from standard input) and waits for the line it
// prints once the first frame is drawn. The median of several starts.
//   bench_startup [starts] [--window]   (default 7; --window uses the display)
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/ScriptTiming.h"
#include "bench/BenchGame.h"

extern char** environ;

namespace {

// Milliseconds from spawning to the first line on its standard output, or
// a negative number when it never came.
double OneStart(const std::string& tool, bool window) {
    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    std::vector<std::string> args = {tool, "--game-dir", bench::GameFolder().string()};
    if (window) args.push_back("--window");
    args.push_back("-");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    const double start = NowMilliseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    double elapsed = -1;
    if (spawned == 0) {
        char c = 0;
        while (read(fromChild[0], &c, 1) == 1) {
            if (c == '\n') {
                elapsed = NowMilliseconds() - start;
                break;
            }
        }
    }
    close(toChild[1]);  // end of the script: the tool shuts the game down
    close(fromChild[0]);
    if (spawned == 0) waitpid(pid, nullptr, 0);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    int starts = 7;
    bool window = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--window") == 0) window = true;
        else starts = std::max(1, std::atoi(argv[i]));
    }
    const std::string tool = bench::ToolPath("game-script").string();
    OneStart(tool, window);  // the first start fills the file cache
    std::vector<double> times;
    for (int n = 0; n < starts; ++n) {
        const double ms = OneStart(tool, window);
        if (ms < 0) {
            std::fprintf(stderr, "game-script printed nothing\n");
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const char* prefix = window ? "startup_window" : "startup";
    std::printf("%s_median_ms %.1f\n", prefix, times[times.size() / 2]);
    std::printf("%s_min_ms %.1f\n", prefix, times.front());
    std::printf("%s_max_ms %.1f\n", prefix, times.back());
    return 0;
}
