#ifndef TRUCEWARD_REPLAY_REPLAYFILE_H
#define TRUCEWARD_REPLAY_REPLAYFILE_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "replay/Replay.h"

// A replay as a file ("*.twreplay"): a header a list can read at a glance,
// the player's input, and a checksum over everything, so that damage anywhere
// is found. Little-endian throughout, no padding:
//
//     offset size
//      0     4   "TWRP"
//      4     2   format version (kFormatVersion)
//      6     2   version of the battle's rules (GamePlay::kRulesVersion)
//      8     4   start numbers, a byte each, in the high score table's key
//                order: left civilians, right civilians, left fighters,
//                right fighters (1 to 99)
//     12     4   seed
//     16     1   how the battle was left: 1 Space, 2 Escape
//     17     4   score filed (signed)
//     21     4   length in steps (at most kLongestBattle)
//     25     8   date filed, seconds since 1970 UTC (signed)
//     33     4   number of input events, the leave included
//     37         the events: each an unsigned LEB128 varint of
//                (steps since the event before) * 8 + BattleInput, the
//                shortest encoding of it; the leave is the last, at the length
//     end-4  4   CRC-32 (as zlib's) of every byte before it
//
// An event of the same step costs one byte, and so does one up to 15 steps
// later: a battle of a minute holds a few hundred bytes. Files are read whole
// but never more than kLargestFile of them.
class ReplayFile {
  public:
    static constexpr int kFormatVersion = 1;
    static constexpr std::size_t kHeaderSize = 37;
    static constexpr std::size_t kChecksumSize = 4;
    // Sixty times a ten-minute battle's replay, which stays within 16 KiB.
    static constexpr std::size_t kLargestFile = 1024 * 1024;
    // Four hours at the game's 60 steps a second: a replay is to be watched,
    // and --verify plays it whole.
    static constexpr std::uint32_t kLongestBattle = 4 * 60 * 60 * 60;

    ReplayFile() = delete;

    // The file of a replay, or "" with the reason when it cannot be one: not
    // yet left, start numbers outside 1 to 99, longer than kLongestBattle, or
    // larger than kLargestFile.
    static std::string encode(const Replay& replay, std::string& reason);
    // The replay of a file's bytes; false, with a reason that fits one line,
    // when they are none of ours, of another format or other battle rules,
    // damaged, or input that runs past the battle's leave. What it accepts,
    // encode() gives back byte for byte.
    static bool decode(const std::string& bytes, Replay& replay, std::string& reason);
    // decode() of the file at `path`, read only when it is an ordinary file
    // (a FIFO, a device or a folder is refused without reading it) and no
    // larger than kLargestFile (reading stops past that).
    static bool read(const std::string& path, Replay& replay, std::string& reason);
    // The one line that says a file was refused: "Could not play PATH: REASON".
    static std::string refusal(const std::string& path, const std::string& reason);

    // CRC-32 with zlib's polynomial and conventions.
    static std::uint32_t checksum(const char* data, std::size_t size);
};

#endif
