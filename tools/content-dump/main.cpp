// content-dump: prints a content table as tab-separated rows with a header
// line, from the real tables, without a display and without pictures.
//   content-dump            lists the tables
//   content-dump skills     prints one
#include <cstdio>
#include <cstring>

#include "Dumps.h"
#include "Tsv.h"
#include "content/ContentDatabase.h"

namespace {

void Usage(std::FILE* out) {
    std::fprintf(out, "usage: content-dump TABLE\ntables:\n");
    for (const Dump& d : AllDumps()) std::fprintf(out, "  %-13s %s\n", d.name, d.help);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        Usage(argc == 1 ? stdout : stderr);
        return argc == 1 ? 0 : 2;
    }
    for (const Dump& d : AllDumps()) {
        if (std::strcmp(d.name, argv[1]) != 0) continue;
        BuildContentTables();
        BuildLateContentTables();
        Tsv out(stdout);
        d.print(out);
        return 0;
    }
    std::fprintf(stderr, "content-dump: no table \"%s\"\n", argv[1]);
    Usage(stderr);
    return 2;
}
