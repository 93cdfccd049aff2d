#include "scores/HighScoresLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "app/FilePath.h"

namespace {

const char* const kFileName = "/.Truceward";
// mkstemp's pattern: the partial copy sits beside the file it will replace,
// so that the final rename never crosses a file system.
const char* const kTemporarySuffix = ".XXXXXX";
// mkstemp makes its file private; the table is as readable as any other file
// the game leaves in the user's folder.
constexpr mode_t kFileMode = 0644;

constexpr int kFieldCount = 5;
static_assert(HighScoresLoader::kRecordSize == kFieldCount * sizeof(std::int32_t),
              "a record is the five fields and nothing else");
constexpr int kBitsPerByte = 8;
constexpr std::uint32_t kByteMask = 0xFF;

void putInt(unsigned char* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < sizeof bits; ++i) {
        out[i] = static_cast<unsigned char>((bits >> (kBitsPerByte * i)) & kByteMask);
    }
}

std::int32_t getInt(const unsigned char* in) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < sizeof bits; ++i) {
        bits |= static_cast<std::uint32_t>(in[i]) << (kBitsPerByte * i);
    }
    return static_cast<std::int32_t>(bits);
}

// Writes all of `size` bytes, going on after partial writes and interrupts.
bool writeAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

std::vector<unsigned char> encode(const std::vector<HighScoresLoader::Score>& scores) {
    std::vector<unsigned char> bytes(scores.size() * HighScoresLoader::kRecordSize);
    unsigned char* out = bytes.data();
    for (const HighScoresLoader::Score& entry : scores) {
        const std::int32_t fields[kFieldCount] = {entry.leftCivilians, entry.rightCivilians,
                                                  entry.leftFighters, entry.rightFighters,
                                                  entry.score};
        for (std::int32_t field : fields) {
            putInt(out, field);
            out += sizeof field;
        }
    }
    return bytes;
}

}  // namespace

std::string HighScoresLoader::filePath() {
    return getFilePath() + kFileName;
}

HighScoresLoader::HighScoresLoader() {
    const std::string path = filePath();
    std::ifstream in(path, std::ios::binary);
    if (!in.good()) {
        std::cout << "Error loading high scores file: " << path << std::endl;
        return;
    }
    readFrom(in);
}

void HighScoresLoader::readFrom(std::istream& in) {
    unsigned char record[kRecordSize];
    while (in.read(reinterpret_cast<char*>(record), kRecordSize)) {
        Score entry;
        std::int32_t* const fields[kFieldCount] = {&entry.leftCivilians, &entry.rightCivilians,
                                                   &entry.leftFighters, &entry.rightFighters,
                                                   &entry.score};
        const unsigned char* cursor = record;
        for (std::int32_t* field : fields) {
            *field = getInt(cursor);
            cursor += sizeof *field;
        }
        scores.push_back(entry);
    }
}

HighScoresLoader::HighScoresLoader(Unsaved) : persistent(false) {}

HighScoresLoader::~HighScoresLoader() {
    if (persistent) {
        save();
    }
}

std::string HighScoresLoader::encoded() const {
    const std::vector<unsigned char> bytes = encode(scores);
    return std::string(bytes.begin(), bytes.end());
}

int HighScoresLoader::indexOf(int leftCivilians, int rightCivilians, int leftFighters,
                              int rightFighters) const {
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const Score& entry = scores[i];
        if (entry.leftCivilians == leftCivilians && entry.rightCivilians == rightCivilians &&
            entry.leftFighters == leftFighters && entry.rightFighters == rightFighters) {
            return static_cast<int>(i);
        }
    }
    return kNotFound;
}

int HighScoresLoader::getScore(int leftCivilians, int rightCivilians, int leftFighters,
                               int rightFighters) const {
    const int index = indexOf(leftCivilians, rightCivilians, leftFighters, rightFighters);
    return index == kNotFound ? 0 : scores[static_cast<std::size_t>(index)].score;
}

void HighScoresLoader::setScore(int leftCivilians, int rightCivilians, int leftFighters,
                                int rightFighters, int score) {
    const int index = indexOf(leftCivilians, rightCivilians, leftFighters, rightFighters);
    if (index == kNotFound) {
        scores.push_back({score, leftCivilians, rightCivilians, leftFighters, rightFighters});
        return;
    }
    Score& entry = scores[static_cast<std::size_t>(index)];
    if (score > entry.score) {
        entry.score = score;
    }
}

bool HighScoresLoader::save() const {
    if (scores.empty()) {
        return true;
    }
    const std::string path = filePath();
    std::string temporary = path + kTemporarySuffix;
    const int fd = mkstemp(&temporary[0]);
    bool saved = fd >= 0;
    if (saved) {
        const std::vector<unsigned char> bytes = encode(scores);
        saved = fchmod(fd, kFileMode) == 0 && writeAll(fd, bytes.data(), bytes.size());
        // The data must be on the disk before the rename makes it the table:
        // otherwise a crash right after could leave an empty file in its place.
        saved = saved && fsync(fd) == 0;
        saved = ::close(fd) == 0 && saved;
        saved = saved && std::rename(temporary.c_str(), path.c_str()) == 0;
        if (!saved) {
            std::remove(temporary.c_str());
        }
    }
    if (!saved) {
        std::cout << "Error saving high scores file: " << path << std::endl;
    }
    return saved;
}
