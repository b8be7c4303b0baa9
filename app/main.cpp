// Process entry: the real command line goes to the application framework.
#include <vector>

#include "app/RunApplication.h"

int main(int argc, char** argv) {
    std::vector<WString> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return RunApplication(args);
}
