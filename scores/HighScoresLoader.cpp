#include "scores/HighScoresLoader.h"

#include <functional>
#include <iostream>
#include <unordered_map>
#include <unordered_set>

#include "scores/FilePath.h"
#include "scores/FileSaver.h"
#include "scores/RegularFileReader.h"

namespace {

const char* const kFileName = "/.Truceward";
// A table holds a record for each choice of start numbers played: 16 MiB are
// some 840 000 choices, more than a lifetime of battles files. A larger file
// is no table of ours; it is left as it is, unread, rather than stall the
// game and fill its memory.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t{16} << 20;

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

std::string encode(const std::vector<HighScoresLoader::Score>& scores) {
    std::string bytes(scores.size() * HighScoresLoader::kRecordSize, '\0');
    auto* out = reinterpret_cast<unsigned char*>(&bytes[0]);
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

void readRecords(std::istream& in, std::vector<HighScoresLoader::Score>& scores) {
    unsigned char record[HighScoresLoader::kRecordSize];
    while (in.read(reinterpret_cast<char*>(record), HighScoresLoader::kRecordSize)) {
        HighScoresLoader::Score entry;
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

// Start numbers as the key of a hashed lookup.
struct NumbersHash {
    std::size_t operator()(const StartNumbers& numbers) const {
        const int fields[] = {numbers.leftCivilians, numbers.leftFighters, numbers.rightCivilians,
                              numbers.rightFighters};
        std::size_t hash = 0;
        for (int field : fields) {
            // The usual mix of a new value into a running hash.
            constexpr std::size_t kGoldenRatio = 0x9e3779b9;
            constexpr int kShiftLeft = 6;
            constexpr int kShiftRight = 2;
            hash ^= std::hash<int>()(field) + kGoldenRatio + (hash << kShiftLeft) +
                    (hash >> kShiftRight);
        }
        return hash;
    }
};

// Scores filed by this process that have not reached the file at `path` yet:
// they live on in every table of that file built later in the process, so that
// a file that cannot be read or written loses nothing of this run.
std::vector<HighScoresLoader::Score>& unsavedScores(const std::string& path) {
    static std::unordered_map<std::string, std::vector<HighScoresLoader::Score>> byFile;
    return byFile[path];
}

}  // namespace

std::string HighScoresLoader::filePath() {
    return getFilePath() + kFileName;
}

HighScoresLoader::HighScoresLoader() : path(filePath()) {
    RegularFileReader file(path, kMaxFileBytes);
    std::istream in(&file);
    readFrom(in);
    if (file.status() != RegularFileReader::Read) {
        std::cout << "Error loading high scores file: " << path << std::endl;
        loadFailed = file.status() == RegularFileReader::Failed;
    }
    mergeInto(scores, unsavedScores(path));
}

void HighScoresLoader::readFrom(std::istream& in) {
    readRecords(in, scores);
}

void HighScoresLoader::mergeInto(std::vector<Score>& table, const std::vector<Score>& newer) {
    if (newer.empty()) {
        return;
    }
    std::unordered_map<StartNumbers, std::size_t, NumbersHash> firstOfKey;
    for (std::size_t i = 0; i < table.size(); ++i) {
        firstOfKey.emplace(table[i].numbers(), i);
    }
    std::unordered_set<StartNumbers, NumbersHash> merged;
    for (const Score& entry : newer) {
        const StartNumbers key = entry.numbers();
        if (!merged.insert(key).second) {
            continue;
        }
        const auto found = firstOfKey.find(key);
        if (found == firstOfKey.end()) {
            firstOfKey.emplace(key, table.size());
            table.push_back(entry);
        } else if (entry.score > table[found->second].score) {
            table[found->second].score = entry.score;
        }
    }
}

HighScoresLoader::HighScoresLoader(Unsaved) : persistent(false) {}

HighScoresLoader::~HighScoresLoader() {
    if (persistent) {
        save();
    }
}

std::string HighScoresLoader::encoded() const {
    return encode(scores);
}

int HighScoresLoader::indexOf(const StartNumbers& numbers) const {
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const Score& entry = scores[i];
        if (entry.numbers() == numbers) {
            return static_cast<int>(i);
        }
    }
    return kNotFound;
}

int HighScoresLoader::getScore(const StartNumbers& numbers) const {
    const int index = indexOf(numbers);
    return index == kNotFound ? 0 : scores[static_cast<std::size_t>(index)].score;
}

void HighScoresLoader::setScore(const StartNumbers& numbers, int score) {
    const Score filed = {score, numbers.leftCivilians, numbers.rightCivilians, numbers.leftFighters,
                         numbers.rightFighters};
    if (persistent) {
        mergeInto(unsavedScores(path), {filed});
    }
    const int index = indexOf(numbers);
    if (index == kNotFound) {
        scores.push_back(filed);
        return;
    }
    Score& entry = scores[static_cast<std::size_t>(index)];
    if (score > entry.score) {
        entry.score = score;
    }
}

bool HighScoresLoader::save(const Saved& saved) {
    if (scores.empty() || !persistent) {
        return true;
    }
    std::vector<Score> before;
    std::vector<Score> table;
    const auto merge = [&](std::istream& current, bool, std::string& bytes) {
        readRecords(current, table);
        if (saved) {
            before = table;
        }
        mergeInto(table, scores);
        bytes = encode(table);
        return true;
    };
    const auto afterSaving = [&] {
        if (saved) {
            saved(before, table);
        }
    };
    if (!loadFailed && FileSaver::update(path, merge, afterSaving, kMaxFileBytes)) {
        scores.swap(table);
        unsavedScores(path).clear();
        return true;
    }
    std::cout << "Error saving high scores file: " << path << std::endl;
    return false;
}
