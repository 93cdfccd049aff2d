// Any bytes as the high score file: every whole record is read, a partial one
// at the end is ignored, and writing the table gives the whole records back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "scores/HighScoresLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    HighScoresLoader table{HighScoresLoader::Unsaved{}};
    table.readFrom(in);
    if (table.scores.size() != size / HighScoresLoader::kRecordSize) {
        std::abort();
    }
    for (const HighScoresLoader::Score& entry : table.scores) {
        // Lookups find the first entry of a key, whatever the values.
        const int found = table.getScore(entry.numbers());
        table.setScore(entry.numbers(), found);
        if (table.getScore(entry.numbers()) != found) {
            std::abort();
        }
    }
    if (table.encoded() != bytes.substr(0, table.scores.size() * HighScoresLoader::kRecordSize)) {
        std::abort();
    }
    return 0;
}
