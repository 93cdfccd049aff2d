#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_CHECKREPORT_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_CHECKREPORT_H

#include <ostream>
#include <string>
#include <vector>

// The outcome of checking the written pictures: every check made, and a
// line for each one that failed.
class CheckReport {
  public:
    // Records one check on the named file; when it failed, the reason.
    void expect(bool passed, const std::string& file, const std::string& what);

    bool passed() const { return failures.empty(); }
    int checks() const { return made; }
    const std::vector<std::string>& failed() const { return failures; }

    // Prints the failures and a closing "N passed, N failed" line.
    void print(std::ostream& out) const;

  private:
    int made = 0;
    std::vector<std::string> failures;
};

#endif
