#ifndef TRUCEWARD_APP_CONFIGLOADER_H
#define TRUCEWARD_APP_CONFIGLOADER_H

#include <istream>
#include <string>
#include <vector>

#include "scores/RegularFileReader.h"

// The settings of the per-user configuration file "Truceward.conf": lines of a
// key, one separating character and a value ("w 800", "ns 0", "sv 7", ...).
// Reading happens in the constructor, which first writes the file with the six
// default lines when it does not exist. One that exists but cannot be read (no
// permission, a folder or a device in its place, a failing disk, more than
// 64 KiB) prints "Could not read " and the path; the defaults stand, and the
// file is never written.
//
// What the player changes while the game runs (the window's size, full screen
// and the two volumes) is written back by save(), into the lines of the
// changed keys alone.
class ConfigLoader {
  public:
    static constexpr int kDefaultWidth = 800;
    static constexpr int kDefaultHeight = 600;
    static constexpr int kDefaultAntialias = 6;
    static constexpr int kDefaultVolume = 10;
    static constexpr int kMaximumVolume = 10;

    ConfigLoader();
    // The defaults, without touching any file, neither now nor when saved.
    struct DefaultsOnly {};
    explicit ConfigLoader(DefaultsOnly);
    ConfigLoader(const ConfigLoader&) = delete;
    ConfigLoader& operator=(const ConfigLoader&) = delete;

    // Writes the six default lines, or prints "Could not create " and the path
    // and leaves no file.
    void createFile() const;

    // Reads configuration lines from `in` into the fields, up to its end; the
    // values read count from then on as what the file gave. A line ends at a
    // line feed or a carriage return; only its first 127 characters are kept;
    // a UTF-8 byte-order mark before the first is skipped. Keys: w, h and a
    // take a number, f, ns, nm and hint a flag (0 or 1; any other value is
    // ignored), sv and mv a volume from 0 to kMaximumVolume: a number beyond
    // that range counts as its nearest end (sv 15 is full volume, sv -1 none);
    // lang a code, a word of letters, digits and "_" ("de", "pt_BR", "auto").
    // A value that is no number leaves the setting as it was, and of several
    // lines of one key, the last whose value can be read wins.
    void readFrom(std::istream& in);

    // Writes width, height, fullscreen, effectsVolume, musicVolume, hint and
    // language where
    // they differ from what the file gave; nothing when none does. The file
    // is read again (so that what another game saved meanwhile stays) and
    // only the changed keys are put into it (see withChanges), atomically and
    // with its mode kept (FileSaver::update). A file that could not be read
    // at start-up is never written. On success the saved values count as
    // what the file gave; on failure "Could not save " and the path is
    // printed and false returned.
    bool save();

    // `text`, a configuration file's contents, with each changed setting that
    // save() writes put in: the line that gives its key the value (the last
    // of that key whose value can be read) takes the new value in place of
    // the number it gave, keeping the blanks before it and whatever follows
    // it ("w 800 # mine" becomes "w 1000 # mine"); a key that no line gives
    // is appended as a line "key value". Every other byte stays as it was.
    std::string withChanges(const std::string& text) const;

    int width = kDefaultWidth;
    int height = kDefaultHeight;
    int antialias = kDefaultAntialias;
    bool fullscreen = false;
    bool noSound = false;
    bool noMusic = false;
    int effectsVolume = kDefaultVolume;
    int musicVolume = kDefaultVolume;
    // Whether the battle still tells which keys lay bricks: until the player
    // has laid one ("hint 0" from then on).
    bool hint = true;
    // The language the game speaks: a code (see Language), "auto" for the
    // desktop's.
    std::string language = "auto";
    // There was no file at all: the game has never been started here.
    bool firstStart = false;

  private:
    // Reads the file into the fields, or leaves them as they are when it
    // cannot be read whole.
    RegularFileReader::Status readFile();
    // Each setting's value as the file writes it, in the order of the keys
    // the file knows.
    std::vector<std::string> values() const;
    bool changed() const;

    // "<per-user directory>/Truceward.conf", found once per construction;
    // empty for the defaults alone.
    std::string path;
    // What the file gave, as values() lists them.
    std::vector<std::string> given;
    // The file exists but could not be read whole: it must not be written.
    bool unreadable = false;
};

#endif
