#ifndef TRUCEWARD_SCORES_REGULARFILEREADER_H
#define TRUCEWARD_SCORES_REGULARFILEREADER_H

#include <cstdint>
#include <limits>
#include <streambuf>
#include <string>

// Reads one of the player's files through a std::istream, and only when it
// is an ordinary file: a FIFO, a device (a link to /dev/zero included) or a
// folder in its place would block the game or feed it endless bytes, so such
// a path counts as unreadable and is never opened for reading. Opening never
// blocks. A file larger than the caller's bound counts as unreadable too,
// without reading it: a damaged or hostile file of a gigabyte (sparse, so
// nearly free on disk) must not stall the game nor fill its memory.
//
//     RegularFileReader file(path);
//     std::istream in(&file);
//     ... read from in ...
//     if (file.status() != RegularFileReader::Read) ...
class RegularFileReader : public std::streambuf {
  public:
    enum Status {
        // Opened, and every read so far succeeded (the end of the file included).
        Read,
        // Nothing at that path: the one case in which a caller may create
        // the file.
        Missing,
        // Anything else: not an ordinary file, no permission, larger than
        // the bound, or a read that failed part way. The file must be left
        // as it is.
        Failed,
    };

    static constexpr std::uint64_t kUnbounded = std::numeric_limits<std::uint64_t>::max();

    // A file of more than `maxBytes` (when it is opened, or as it is read)
    // fails.
    explicit RegularFileReader(const std::string& path, std::uint64_t maxBytes = kUnbounded);
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;
    ~RegularFileReader() override;

    // Final only once the stream has reached its end.
    Status status() const { return state; }

  protected:
    int_type underflow() override;

  private:
    static constexpr int kBufferSize = 4096;
    int descriptor = -1;
    Status state = Read;
    std::uint64_t bytesLeft;
    char buffer[kBufferSize];
};

#endif
