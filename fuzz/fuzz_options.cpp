// Feeds arbitrary command lines to the option parser, against the game's
// table and against one with every kind of option. Arguments are separated
// by line feeds; the files that "-@name:file" and "-$name:file" read are
// kept to names in a scratch folder (path separators are dropped), where a
// few files wait to be read.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Options.h"
#include "engine/text/WString.h"
#include "platform/Utf.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

std::FILE* g_sink = nullptr;

OptionDef EveryKind() {
    OptionDef def = GameOptions();
    const auto add = [&](const char* name, OptionType type, const char* fallback) {
        def.names.emplace_back(name);
        def.types.push_back(type);
        def.defaults.emplace_back(fallback);
        def.descriptions.emplace_back("説明");
    };
    add("n", {OptionType::kNumber, -5, 100}, "1");
    add("any", {OptionType::kNumber, 0, 0}, "0x10");
    add("in", {OptionType::kInputFile, 0, 0}, "a.txt");
    add("dir", {OptionType::kDirectory, 0, 0}, "d");
    add("t", {OptionType::kText, 0, 0}, "");
    return def;
}

}  // namespace

// The parser reads files relative to the working folder, so each input runs
// inside the scratch folder; between inputs the fuzzer's own folder is back,
// where its corpus, dictionary and findings are named.
static char g_scratch[] = "/tmp/fuzz-options-XXXXXX";
static int g_home = -1;

struct InScratch {
    InScratch() { Require(chdir(g_scratch) == 0); }
    ~InScratch() { Require(fchdir(g_home) == 0); }
};

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_home = open(".", O_RDONLY | O_DIRECTORY);
    if (g_home < 0 || mkdtemp(g_scratch) == nullptr) std::abort();
    const std::filesystem::path scratch = g_scratch;
    std::ofstream(scratch / "a.txt") << "x y\n\tz";
    std::ofstream(scratch / "b.txt", std::ios::binary) << "\x93\xFA\x96\x7B\r\n-1";
    std::ofstream(scratch / "c.txt", std::ios::binary) << "\xEF\xBB\xBF" "42";
    std::filesystem::create_directory(scratch / "d");
    g_sink = std::fopen("/dev/null", "w");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096) return 0;
    std::vector<WString> args;
    std::string current;
    const auto flush = [&] {
        const std::u16string wide = platform::IsValidUtf8(current)
                                        ? platform::Utf8ToUtf16(current)
                                        : platform::Cp932ToUtf16(current);
        args.emplace_back(std::u16string_view(wide));
        current.clear();
    };
    for (size_t i = 1; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n') {
            flush();
        } else if (c != '/' && c != '\\') {
            current += c;
        }
    }
    flush();

    const InScratch scratch;
    const OptionDef def = (data[0] & 1) != 0 ? EveryKind() : GameOptions();
    OptionValues values;
    PositionalArgs positional;
    const int result = ParseOptions(def, args, values, positional, g_sink, g_sink);
    Require(result == 0 || result == -1);
    if (result == 0) {
        Require(positional.size() <= args.size());
        Require(values.size() == def.names.size());
        for (const WString& name : def.names) Require(values.count(name) == 1);
    }
    return 0;
}
