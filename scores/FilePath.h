#ifndef TRUCEWARD_SCORES_FILEPATH_H
#define TRUCEWARD_SCORES_FILEPATH_H

#include <string>

// The per-user directory, "<home>/Library/Application Support/Truceward",
// without a trailing slash. Creates it (and its missing parents below the home
// directory, each 0755) when it does not exist, printing "Created directory "
// or "Could not create directory " with the path. Called every time a path is
// needed, by the configuration and the high score files.
std::string getFilePath();

// The user's home: HOME, or else the password database's, or else the
// current directory.
std::string homeDirectory();

#endif
