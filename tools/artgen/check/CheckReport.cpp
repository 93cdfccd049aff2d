#include "check/CheckReport.h"

void CheckReport::expect(bool passed, const std::string& file, const std::string& what) {
    ++made;
    if (!passed) {
        failures.push_back(file + ": " + what);
    }
}

void CheckReport::print(std::ostream& out) const {
    for (const std::string& failure : failures) {
        out << "FAILED " << failure << "\n";
    }
    out << (made - static_cast<int>(failures.size())) << " passed, " << failures.size()
        << " failed\n";
}
