#ifndef TRUCEWARD_SCORES_HIGHSCORESLOADER_H
#define TRUCEWARD_SCORES_HIGHSCORESLOADER_H

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// The best score for each combination of the four start numbers, kept in
// "<per-user directory>/.Truceward". The file is read on construction and
// written on destruction; in between the table lives in memory only.
//
// File format: no header, one 20-byte record per entry, five signed 32-bit
// little-endian integers in the order left civilians, right civilians, left
// fighters, right fighters, score. A trailing partial record is ignored.
//
// Every key below is in that order too: left civilians, right civilians, left
// fighters, right fighters.
class HighScoresLoader {
  public:
    struct Score {
        std::int32_t score;
        std::int32_t leftCivilians;
        std::int32_t rightCivilians;
        std::int32_t leftFighters;
        std::int32_t rightFighters;
    };

    static constexpr std::size_t kRecordSize = 20;

    // Reads the file. A file that cannot be opened (as on the first start)
    // prints "Error loading high scores file: " and the path and leaves the
    // table empty.
    HighScoresLoader();
    // An empty table that touches no file, neither now nor when destroyed.
    struct Unsaved {};
    explicit HighScoresLoader(Unsaved);
    HighScoresLoader(const HighScoresLoader&) = delete;
    HighScoresLoader& operator=(const HighScoresLoader&) = delete;
    // Saves the table (see save()).
    ~HighScoresLoader();

    // The score of the first entry with this key; 0 when there is none.
    int getScore(int leftCivilians, int rightCivilians, int leftFighters, int rightFighters) const;
    // Keeps the better of the stored and the new score (higher is better); a
    // new key is appended whatever its score, 0 and negative ones included.
    void setScore(int leftCivilians, int rightCivilians, int leftFighters, int rightFighters,
                  int score);

    // Writes the table over the file, all or nothing: an empty table is never
    // written, and the old file is replaced only once the new contents are
    // complete on disk. A failure prints "Error saving high scores file: " and
    // the path, removes the partial copy and leaves the old file as it was.
    // Returns false on such a failure.
    bool save() const;

    // "<per-user directory>/.Truceward"; creates the directory when missing.
    static std::string filePath();

    // Appends the whole records of `in`, up to its end, to the table.
    void readFrom(std::istream& in);
    // The table as the file holds it.
    std::string encoded() const;

    std::vector<Score> scores;

  private:
    static constexpr int kNotFound = -1;
    bool persistent = true;
    // The index of the first entry with this key, or kNotFound.
    int indexOf(int leftCivilians, int rightCivilians, int leftFighters, int rightFighters) const;
};

#endif
