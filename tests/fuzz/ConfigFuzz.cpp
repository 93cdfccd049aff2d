// Any bytes as the configuration file: reading must end, every setting must
// either keep its default or take a value the file really holds, and settings
// changed and saved into the same bytes must read back as they were saved.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/ConfigLoader.h"

namespace {

bool sameSettings(const ConfigLoader& one, const ConfigLoader& other) {
    return one.width == other.width && one.height == other.height &&
           one.antialias == other.antialias && one.fullscreen == other.fullscreen &&
           one.noSound == other.noSound && one.noMusic == other.noMusic &&
           one.effectsVolume == other.effectsVolume && one.musicVolume == other.musicVolume;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    ConfigLoader config{ConfigLoader::DefaultsOnly{}};
    config.readFrom(in);
    const bool widthKept = config.width == ConfigLoader::kDefaultWidth;
    if (!widthKept && text.find('w') == std::string::npos) {
        std::abort();
    }
    if (config.withChanges(text) != text) {
        std::abort();
    }
    // Changes drawn from the input, so that every key's lines get rewritten.
    config.width = static_cast<int>(size);
    config.height = -static_cast<int>(size);
    config.fullscreen = !config.fullscreen;
    config.effectsVolume = static_cast<int>(size % (ConfigLoader::kMaximumVolume + 1));
    config.musicVolume = ConfigLoader::kMaximumVolume - config.effectsVolume;
    std::istringstream saved(config.withChanges(text));
    ConfigLoader readBack{ConfigLoader::DefaultsOnly{}};
    readBack.readFrom(saved);
    if (!sameSettings(config, readBack)) {
        std::abort();
    }
    return 0;
}
