#ifndef TRUCEWARD_ASSETS_FONTS_H
#define TRUCEWARD_ASSETS_FONTS_H

// The 47 glyphs of the bitmap font: 64 x 64 RGBA PNG files compiled in from
// assets/fonts/ (drawn by tools/artgen), each with its length in bytes.
namespace Fonts {

extern const unsigned char font0_png[];
extern const unsigned int font0_png_len;
extern const unsigned char font1_png[];
extern const unsigned int font1_png_len;
extern const unsigned char font2_png[];
extern const unsigned int font2_png_len;
extern const unsigned char font3_png[];
extern const unsigned int font3_png_len;
extern const unsigned char font4_png[];
extern const unsigned int font4_png_len;
extern const unsigned char font5_png[];
extern const unsigned int font5_png_len;
extern const unsigned char font6_png[];
extern const unsigned int font6_png_len;
extern const unsigned char font7_png[];
extern const unsigned int font7_png_len;
extern const unsigned char font8_png[];
extern const unsigned int font8_png_len;
extern const unsigned char font9_png[];
extern const unsigned int font9_png_len;
extern const unsigned char fonta_png[];
extern const unsigned int fonta_png_len;
extern const unsigned char fontb_png[];
extern const unsigned int fontb_png_len;
extern const unsigned char fontc_png[];
extern const unsigned int fontc_png_len;
extern const unsigned char fontd_png[];
extern const unsigned int fontd_png_len;
extern const unsigned char fonte_png[];
extern const unsigned int fonte_png_len;
extern const unsigned char fontf_png[];
extern const unsigned int fontf_png_len;
extern const unsigned char fontg_png[];
extern const unsigned int fontg_png_len;
extern const unsigned char fonth_png[];
extern const unsigned int fonth_png_len;
extern const unsigned char fonti_png[];
extern const unsigned int fonti_png_len;
extern const unsigned char fontj_png[];
extern const unsigned int fontj_png_len;
extern const unsigned char fontk_png[];
extern const unsigned int fontk_png_len;
extern const unsigned char fontl_png[];
extern const unsigned int fontl_png_len;
extern const unsigned char fontm_png[];
extern const unsigned int fontm_png_len;
extern const unsigned char fontn_png[];
extern const unsigned int fontn_png_len;
extern const unsigned char fonto_png[];
extern const unsigned int fonto_png_len;
extern const unsigned char fontp_png[];
extern const unsigned int fontp_png_len;
extern const unsigned char fontq_png[];
extern const unsigned int fontq_png_len;
extern const unsigned char fontr_png[];
extern const unsigned int fontr_png_len;
extern const unsigned char fonts_png[];
extern const unsigned int fonts_png_len;
extern const unsigned char fontt_png[];
extern const unsigned int fontt_png_len;
extern const unsigned char fontu_png[];
extern const unsigned int fontu_png_len;
extern const unsigned char fontv_png[];
extern const unsigned int fontv_png_len;
extern const unsigned char fontw_png[];
extern const unsigned int fontw_png_len;
extern const unsigned char fontx_png[];
extern const unsigned int fontx_png_len;
extern const unsigned char fonty_png[];
extern const unsigned int fonty_png_len;
extern const unsigned char fontz_png[];
extern const unsigned int fontz_png_len;
extern const unsigned char fontperiod_png[];
extern const unsigned int fontperiod_png_len;
extern const unsigned char fontcomma_png[];
extern const unsigned int fontcomma_png_len;
extern const unsigned char fontexclaim_png[];
extern const unsigned int fontexclaim_png_len;
extern const unsigned char fontminus_png[];
extern const unsigned int fontminus_png_len;
extern const unsigned char fontplus_png[];
extern const unsigned int fontplus_png_len;
extern const unsigned char fontcolon_png[];
extern const unsigned int fontcolon_png_len;
extern const unsigned char fontslash_png[];
extern const unsigned int fontslash_png_len;
extern const unsigned char fontlparen_png[];
extern const unsigned int fontlparen_png_len;
extern const unsigned char fontrparen_png[];
extern const unsigned int fontrparen_png_len;
extern const unsigned char fontapostrophe_png[];
extern const unsigned int fontapostrophe_png_len;
extern const unsigned char fontquestion_png[];
extern const unsigned int fontquestion_png_len;

}  // namespace Fonts

#endif
