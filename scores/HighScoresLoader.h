#ifndef TRUCEWARD_SCORES_HIGHSCORESLOADER_H
#define TRUCEWARD_SCORES_HIGHSCORESLOADER_H

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "scores/StartNumbers.h"

// The best score for each combination of the four start numbers, kept in
// "<per-user directory>/.Truceward". The file is read on construction and
// written on destruction, and whenever the owner calls save().
//
// No record is ever lost: a file that exists but cannot be read whole is never
// written over; a save merges with what other games saved meanwhile, under a
// lock; and a score filed in this process stays in every table built later in
// the process until it has reached the disk.
//
// File format: no header, one 20-byte record per entry, five signed 32-bit
// little-endian integers in the order left civilians, right civilians, left
// fighters, right fighters, score. A trailing partial record is ignored. A
// Score holds one record as the file does; the tables are looked up by the
// StartNumbers the battle was played with.
class HighScoresLoader {
  public:
    struct Score {
        std::int32_t score;
        std::int32_t leftCivilians;
        std::int32_t rightCivilians;
        std::int32_t leftFighters;
        std::int32_t rightFighters;

        StartNumbers numbers() const {
            return {leftCivilians, leftFighters, rightCivilians, rightFighters};
        }
    };

    static constexpr std::size_t kRecordSize = 20;

    // Reads the file. A file that cannot be read whole prints "Error loading
    // high scores file: " and the path and leaves the table with what could be
    // read; only a missing file (as on the first start) may then be written.
    // Scores filed earlier in the process that never reached the disk join in.
    HighScoresLoader();
    // An empty table that touches no file, neither now nor when saved or destroyed.
    struct Unsaved {};
    explicit HighScoresLoader(Unsaved);
    HighScoresLoader(const HighScoresLoader&) = delete;
    HighScoresLoader& operator=(const HighScoresLoader&) = delete;
    // Saves the table (see save()).
    ~HighScoresLoader();

    // The score of the first entry with this key; 0 when there is none.
    int getScore(const StartNumbers& numbers) const;
    // Keeps the better of the stored and the new score (higher is better); a
    // new key is appended whatever its score, 0 and negative ones included.
    void setScore(const StartNumbers& numbers, int score);

    // Saves the table, all or nothing; an empty table is never written.
    // Under a lock shared by every game that saves the same file (see
    // FileSaver::update), the file is read again and this table merged into
    // it (a key keeps the higher score, records already in the file keep
    // their order, new ones follow); the result replaces the file atomically
    // and becomes this table.
    // A failure, a file that could not be loaded among them, prints "Error
    // saving high scores file: " and the path, leaves the file as it was and
    // returns false. Once the table has reached the disk, `saved` (when
    // given) runs under the same lock with the records the file held before
    // and those it holds now: what follows a change of a record (its
    // replay) is done before any other game can change it again.
    using Saved =
        std::function<void(const std::vector<Score>& before, const std::vector<Score>& after)>;
    bool save(const Saved& saved = nullptr);

    // "<per-user directory>/.Truceward"; creates the directory when missing.
    static std::string filePath();

    // Appends the whole records of `in`, up to its end, to the table.
    void readFrom(std::istream& in);
    // Adds the records of `newer` to `table`: a key already in `table` keeps
    // its place and takes the higher score, a new key is appended. Of several
    // records with one key in `newer`, the first speaks for it.
    static void mergeInto(std::vector<Score>& table, const std::vector<Score>& newer);
    // The table as the file holds it.
    std::string encoded() const;

    std::vector<Score> scores;

  private:
    static constexpr int kNotFound = -1;
    bool persistent = true;
    // The file's path, found once; empty for an unsaved table.
    std::string path;
    // The file exists but could not be read whole: it must not be written.
    bool loadFailed = false;
    // The index of the first entry with this key, or kNotFound.
    int indexOf(const StartNumbers& numbers) const;
};

#endif
