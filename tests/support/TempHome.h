#ifndef TRUCEWARD_TESTS_SUPPORT_TEMPHOME_H
#define TRUCEWARD_TESTS_SUPPORT_TEMPHOME_H

#include <string>

// A fresh, empty directory set as HOME for the object's lifetime; the previous
// HOME comes back and the directory is removed with everything in it.
class TempHome {
  public:
    TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;
    ~TempHome();

    // "<home>/Library/Application Support/Truceward".
    std::string userDirectory() const;

    std::string path;

  private:
    std::string previous;
    bool hadPrevious = false;
};

// Makes a fresh directory under TMPDIR (or /tmp); throws on failure.
std::string makeTempDirectory(const std::string& prefix);

#endif
