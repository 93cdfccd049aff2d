#ifndef TRUCEWARD_ASSETS_ICONS_H
#define TRUCEWARD_ASSETS_ICONS_H

// The game's icon at the size the window hands to the window manager: an
// 8-bit RGBA PNG file compiled in from assets/icon/ (drawn by tools/artgen).
// The other sizes are installed as files for the desktop's menus.
namespace Icons {

extern const unsigned char truceward_64_png[];
extern const unsigned int truceward_64_png_len;

}  // namespace Icons

#endif
