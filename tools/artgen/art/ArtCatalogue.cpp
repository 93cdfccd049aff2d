#include "art/ArtCatalogue.h"

#include "art/AlertRingArt.h"
#include "art/BrickArt.h"
#include "art/BulletArt.h"
#include "art/ButtonArt.h"
#include "art/FigureArt.h"
#include "art/FocusArt.h"
#include "art/GlyphArt.h"
#include "art/GrassField.h"
#include "art/MoundArt.h"
#include "art/PlayerMarkerArt.h"
#include "art/PointerArt.h"
#include "art/ShotBangArt.h"
#include "art/SmokeArt.h"
#include "art/TitleArt.h"

namespace art_catalogue {
namespace {

constexpr int kFieldSize = 1024;

// The ink that each focus glow surrounds: a number's two arrows and box on
// the title, a line's arrows and value box on the settings screen, the bar
// and the small button.
constexpr int kNumberInkWidth = 156;
constexpr int kLineInkWidth = 370;
constexpr int kRowInkHeight = 48;
constexpr double kRowCorner = 12.0;
constexpr int kBarInkWidth = 332;
constexpr int kBarInkHeight = 88;
constexpr double kBarCorner = 30.0;
constexpr int kButtonInkWidth = 184;
constexpr int kButtonInkHeight = 48;
constexpr double kButtonCorner = 16.0;

}  // namespace

std::vector<Piece> images() {
    using button_art::State;
    return {
        {"background", [] { return grass_field::paint(kFieldSize, kFieldSize); }},
        {"guy", figure_art::paintGuy},
        {"fighter", figure_art::paintFighter},
        {"brick", brick_art::paint},
        {"bullet", bullet_art::paint},
        {"shotbang", shot_bang_art::paint},
        {"alertcircle", alert_ring_art::paintThreat},
        {"centralmound", mound_art::paintCentral},
        {"sidemounds", mound_art::paintSide},
        {"smokepff", smoke_art::paint},
        {"title", title_art::paint},
        {"mouse", pointer_art::paint},
        {"leftbuttonup", [] { return button_art::paintLeftArrow(State::Up); }},
        {"leftbuttondown", [] { return button_art::paintLeftArrow(State::Down); }},
        {"leftbuttonover", [] { return button_art::paintLeftArrow(State::Over); }},
        {"rightbuttonup", [] { return button_art::paintRightArrow(State::Up); }},
        {"rightbuttondown", [] { return button_art::paintRightArrow(State::Down); }},
        {"rightbuttonover", [] { return button_art::paintRightArrow(State::Over); }},
        {"barbuttonup", [] { return button_art::paintBar(State::Up); }},
        {"barbuttondown", [] { return button_art::paintBar(State::Down); }},
        {"barbuttonover", [] { return button_art::paintBar(State::Over); }},
        {"playermarker", player_marker_art::paint},
        {"smallbuttonup", [] { return button_art::paintSmallButton(State::Up); }},
        {"smallbuttondown", [] { return button_art::paintSmallButton(State::Down); }},
        {"smallbuttonover", [] { return button_art::paintSmallButton(State::Over); }},
        {"focusnumber",
         [] { return focus_art::paint(kNumberInkWidth, kRowInkHeight, kRowCorner); }},
        {"focusbar", [] { return focus_art::paint(kBarInkWidth, kBarInkHeight, kBarCorner); }},
        {"focusbutton",
         [] { return focus_art::paint(kButtonInkWidth, kButtonInkHeight, kButtonCorner); }},
        {"focusline", [] { return focus_art::paint(kLineInkWidth, kRowInkHeight, kRowCorner); }},
        {"alertlaiddown", alert_ring_art::paintLaidDown},
        {"alertpeacekeeper", alert_ring_art::paintPeaceKeeper},
        {"howtoplay", title_art::paintHowToPlay},
    };
}

std::vector<Piece> glyphs() {
    std::vector<Piece> pieces;
    for (const glyph_art::Glyph& glyph : glyph_art::allGlyphs()) {
        pieces.push_back({glyph.name, [glyph] { return glyph_art::paint(glyph); }});
    }
    return pieces;
}

}  // namespace art_catalogue
