// Any bytes as the configuration file: reading must end, and every setting
// must either keep its default or take a value the file really holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/ConfigLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    ConfigLoader config{ConfigLoader::DefaultsOnly{}};
    config.readFrom(in);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool widthKept = config.width == ConfigLoader::kDefaultWidth;
    if (!widthKept && text.find('w') == std::string::npos) {
        std::abort();
    }
    return 0;
}
