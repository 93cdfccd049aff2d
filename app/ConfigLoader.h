#ifndef TRUCEWARD_APP_CONFIGLOADER_H
#define TRUCEWARD_APP_CONFIGLOADER_H

#include <istream>
#include <string>

#include "scores/RegularFileReader.h"

// The settings of the per-user configuration file "Truceward.conf": lines of a
// key, one separating character and a value ("w 800", "ns 0", ...). Reading
// happens in the constructor, which first writes the file with the six default
// lines when it does not exist. The file is never rewritten otherwise: one
// that exists but cannot be read (no permission, a folder or a device in its
// place, a failing disk) prints "Could not read " and the path, and the
// defaults stand.
class ConfigLoader {
  public:
    static constexpr int kDefaultWidth = 800;
    static constexpr int kDefaultHeight = 600;
    static constexpr int kDefaultAntialias = 6;

    ConfigLoader();
    // The defaults, without touching any file.
    struct DefaultsOnly {};
    explicit ConfigLoader(DefaultsOnly);
    ConfigLoader(const ConfigLoader&) = delete;
    ConfigLoader& operator=(const ConfigLoader&) = delete;

    // Writes the six default lines, or prints "Could not create " and the path
    // and leaves no file.
    void createFile() const;

    // Reads configuration lines from `in` into the fields, up to its end. A
    // line ends at a line feed or a carriage return; only its first 127
    // characters are kept; a UTF-8 byte-order mark before the first is skipped.
    void readFrom(std::istream& in);

    int width = kDefaultWidth;
    int height = kDefaultHeight;
    int antialias = kDefaultAntialias;
    bool fullscreen = false;
    bool noSound = false;
    bool noMusic = false;

  private:
    void readLine(const std::string& line);
    // Reads the file into the fields, or leaves them as they are when it
    // cannot be read whole.
    RegularFileReader::Status readFile();

    // "<per-user directory>/Truceward.conf", found once per construction.
    std::string path;
};

#endif
