#ifndef TRUCEWARD_APP_PICTURESAVER_H
#define TRUCEWARD_APP_PICTURESAVER_H

#include <string>

// Keeps what the window shows as a PNG picture (F12), in a folder Truceward/
// of the user's pictures folder: XDG_PICTURES_DIR as the user's
// user-dirs.dirs gives it, else ~/Pictures. A picture never replaces a file:
// each gets a name of its own, from the date and time.
class PictureSaver {
  public:
    PictureSaver() = delete;

    // The folder pictures go to, which need not exist yet.
    static std::string folder();

    // Reads the window's `width` x `height` pixels from the frame just drawn
    // (before it is shown), writes them to a new file in folder(), making
    // the folders it lacks, and prints "Picture saved as " and the path.
    // When it cannot, prints "Could not save a picture in " and the folder,
    // and leaves no file. Returns the path, or an empty string.
    static std::string save(int width, int height);
};

#endif
