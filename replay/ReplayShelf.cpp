#include "replay/ReplayShelf.h"

#include <sys/stat.h>

#include <ctime>
#include <iostream>
#include <vector>

#include "replay/ReplayFile.h"
#include "scores/FilePath.h"
#include "scores/FileSaver.h"

namespace {

const char* const kFolderName = "/Replays";
const char* const kLastName = "last.twreplay";
const char* const kBestPrefix = "best-";
const char* const kExtension = ".twreplay";
constexpr mode_t kFolderMode = 0755;

// The record of a key in a table as the file holds it; null when it has none.
const HighScoresLoader::Score* recordOf(const std::vector<HighScoresLoader::Score>& table,
                                        const StartNumbers& numbers) {
    for (const HighScoresLoader::Score& entry : table) {
        if (entry.numbers() == numbers) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

std::string ReplayShelf::folder() {
    const std::string path = getFilePath() + kFolderName;
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return path;
    }
    if (mkdir(path.c_str(), kFolderMode) != 0) {
        std::cout << "Could not create directory " << path << std::endl;
        return "";
    }
    std::cout << "Created directory " << path << std::endl;
    return path;
}

std::string ReplayShelf::lastName() {
    return kLastName;
}

std::string ReplayShelf::bestName(const StartNumbers& numbers) {
    return kBestPrefix + std::to_string(numbers.leftCivilians) + "-" +
           std::to_string(numbers.rightCivilians) + "-" + std::to_string(numbers.leftFighters) +
           "-" + std::to_string(numbers.rightFighters) + kExtension;
}

void ReplayShelf::file(Replay& replay, HighScoresLoader& table) {
    replay.date = static_cast<std::int64_t>(std::time(nullptr));
    std::string reason;
    const std::string bytes = ReplayFile::encode(replay, reason);
    const std::string shelf = bytes.empty() ? "" : folder();
    if (bytes.empty()) {
        std::cout << "No replay kept of this battle: " << reason << std::endl;
    }
    const auto fileBest = [&](const std::vector<HighScoresLoader::Score>& before,
                              const std::vector<HighScoresLoader::Score>& after) {
        const HighScoresLoader::Score* old = recordOf(before, replay.numbers);
        const HighScoresLoader::Score* now = recordOf(after, replay.numbers);
        const bool recordSet = now != nullptr && now->score == replay.score &&
                               (old == nullptr || old->score < replay.score);
        if (!shelf.empty() && recordSet) {
            write(shelf + "/" + bestName(replay.numbers), bytes);
        }
    };
    table.save(fileBest);
    if (!shelf.empty()) {
        write(shelf + "/" + kLastName, bytes);
    }
}

bool ReplayShelf::write(const std::string& path, const std::string& bytes) {
    const auto replaceSmall = [&bytes](std::istream& current, bool, std::string& contents) {
        // Read no further than a replay can reach: a larger file is none of
        // ours, and a huge one would hold the lock for as long as it takes.
        current.ignore(static_cast<std::streamsize>(ReplayFile::kLargestFile) + 1);
        if (static_cast<std::size_t>(current.gcount()) > ReplayFile::kLargestFile) {
            return false;
        }
        contents = bytes;
        return true;
    };
    if (FileSaver::update(path, replaceSmall)) {
        return true;
    }
    std::cout << "Could not save " << path << std::endl;
    return false;
}
