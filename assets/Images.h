#ifndef TRUCEWARD_ASSETS_IMAGES_H
#define TRUCEWARD_ASSETS_IMAGES_H

// The game's pictures: complete 8-bit RGBA PNG files compiled in from
// assets/images/ (drawn by tools/artgen), each with its length in bytes.
namespace Images {

extern const unsigned char background_png[];
extern const unsigned int background_png_len;
extern const unsigned char guy_png[];
extern const unsigned int guy_png_len;
extern const unsigned char fighter_png[];
extern const unsigned int fighter_png_len;
extern const unsigned char brick_png[];
extern const unsigned int brick_png_len;
extern const unsigned char bullet_png[];
extern const unsigned int bullet_png_len;
extern const unsigned char shotbang_png[];
extern const unsigned int shotbang_png_len;
extern const unsigned char alertcircle_png[];
extern const unsigned int alertcircle_png_len;
extern const unsigned char centralmound_png[];
extern const unsigned int centralmound_png_len;
extern const unsigned char sidemounds_png[];
extern const unsigned int sidemounds_png_len;
extern const unsigned char smokepff_png[];
extern const unsigned int smokepff_png_len;
extern const unsigned char title_png[];
extern const unsigned int title_png_len;
extern const unsigned char mouse_png[];
extern const unsigned int mouse_png_len;
extern const unsigned char leftbuttonup_png[];
extern const unsigned int leftbuttonup_png_len;
extern const unsigned char leftbuttondown_png[];
extern const unsigned int leftbuttondown_png_len;
extern const unsigned char leftbuttonover_png[];
extern const unsigned int leftbuttonover_png_len;
extern const unsigned char rightbuttonup_png[];
extern const unsigned int rightbuttonup_png_len;
extern const unsigned char rightbuttondown_png[];
extern const unsigned int rightbuttondown_png_len;
extern const unsigned char rightbuttonover_png[];
extern const unsigned int rightbuttonover_png_len;
extern const unsigned char startbuttonup_png[];
extern const unsigned int startbuttonup_png_len;
extern const unsigned char startbuttondown_png[];
extern const unsigned int startbuttondown_png_len;
extern const unsigned char startbuttonover_png[];
extern const unsigned int startbuttonover_png_len;
extern const unsigned char playermarker_png[];
extern const unsigned int playermarker_png_len;
extern const unsigned char settings_png[];
extern const unsigned int settings_png_len;
extern const unsigned char smallbuttonup_png[];
extern const unsigned int smallbuttonup_png_len;
extern const unsigned char smallbuttondown_png[];
extern const unsigned int smallbuttondown_png_len;
extern const unsigned char smallbuttonover_png[];
extern const unsigned int smallbuttonover_png_len;
extern const unsigned char backbuttonup_png[];
extern const unsigned int backbuttonup_png_len;
extern const unsigned char backbuttondown_png[];
extern const unsigned int backbuttondown_png_len;
extern const unsigned char backbuttonover_png[];
extern const unsigned int backbuttonover_png_len;
extern const unsigned char focusnumber_png[];
extern const unsigned int focusnumber_png_len;
extern const unsigned char focusbar_png[];
extern const unsigned int focusbar_png_len;
extern const unsigned char focusbutton_png[];
extern const unsigned int focusbutton_png_len;
extern const unsigned char focussetting_png[];
extern const unsigned int focussetting_png_len;
extern const unsigned char alertlaiddown_png[];
extern const unsigned int alertlaiddown_png_len;
extern const unsigned char alertpeacekeeper_png[];
extern const unsigned int alertpeacekeeper_png_len;
extern const unsigned char howtoplay_png[];
extern const unsigned int howtoplay_png_len;

}  // namespace Images

#endif
