// Any argument list (arguments separated by zero bytes) as the command line:
// the passes must end with a usable window size or the help.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/FatalError.h"
#include "app/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::ostringstream discarded;
    std::cout.rdbuf(discarded.rdbuf());
    discarded.str("");

    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    try {
        const Settings settings = Settings::fromOptions(args);
        if (settings.width == 0 || settings.height == 0) {
            std::abort();
        }
        if (settings.multisample && settings.samples < 2) {
            std::abort();
        }
    } catch (const FatalError& help) {
        if (help.message != "\n") {
            std::abort();
        }
    }
    return 0;
}
