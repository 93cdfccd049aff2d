#ifndef TRUCEWARD_APP_CONFIGLOADER_H
#define TRUCEWARD_APP_CONFIGLOADER_H

#include <istream>
#include <string>

// The settings of the per-user configuration file "Truceward.conf": lines of a
// key, one separating character and a value ("w 800", "ns 0", ...). Reading
// happens in the constructor, which first writes the file with the six default
// lines when it cannot be opened. The file is never rewritten otherwise.
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

    // Writes the six default lines, or prints "Could not create " and the path.
    void createFile() const;

    // Reads configuration lines from `in` into the fields, up to its end.
    void readFrom(std::istream& in);

    int width = kDefaultWidth;
    int height = kDefaultHeight;
    int antialias = kDefaultAntialias;
    bool fullscreen = false;
    bool noSound = false;
    bool noMusic = false;

  private:
    void readLine(const std::string& line);

    // "<per-user directory>/Truceward.conf", found once per construction.
    std::string path;
};

#endif
