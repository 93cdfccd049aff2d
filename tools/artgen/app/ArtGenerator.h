#ifndef TRUCEWARD_TOOLS_ARTGEN_APP_ARTGENERATOR_H
#define TRUCEWARD_TOOLS_ARTGEN_APP_ARTGENERATOR_H

#include <ostream>
#include <string>

#include "app/OutputPaths.h"

// Paints every picture of the catalogue and writes it below the repository
// root, together with the icons and the contact sheet.
class ArtGenerator {
  public:
    ArtGenerator(const std::string& root, std::ostream& log);

    // Writes all files; throws std::runtime_error when one cannot be written.
    void generate() const;

  private:
    OutputPaths paths;
    std::ostream& log;
};

#endif
