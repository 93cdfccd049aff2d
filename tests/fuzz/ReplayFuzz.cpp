// Any bytes as a replay file, as they come and with their checksum made right
// (so that the fuzzer gets past it to the header and the input): reading must
// end, refuse with a reason of one line or accept, and what it accepts must
// be written back byte for byte.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "replay/Replay.h"
#include "replay/ReplayFile.h"

namespace {

void readBack(const std::string& bytes) {
    Replay replay;
    std::string reason;
    if (!ReplayFile::decode(bytes, replay, reason)) {
        if (reason.empty() || reason.find('\n') != std::string::npos) {
            std::abort();
        }
        return;
    }
    if (ReplayFile::encode(replay, reason) != bytes) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    readBack(bytes);
    if (size >= ReplayFile::kChecksumSize) {
        const std::size_t end = size - ReplayFile::kChecksumSize;
        // Little-endian, as the file keeps it.
        std::uint32_t crc = ReplayFile::checksum(bytes.data(), end);
        for (std::size_t i = end; i < size; ++i) {
            bytes[i] = static_cast<char>(crc & UINT8_MAX);
            crc >>= CHAR_BIT;
        }
        readBack(bytes);
    }
    return 0;
}
