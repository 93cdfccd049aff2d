#include "art/ArtCatalogue.h"

#include "art/AlertCircleArt.h"
#include "art/BrickArt.h"
#include "art/BulletArt.h"
#include "art/ButtonArt.h"
#include "art/FigureArt.h"
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
        {"alertcircle", alert_circle_art::paint},
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
        {"startbuttonup", [] { return button_art::paintStartBar(State::Up); }},
        {"startbuttondown", [] { return button_art::paintStartBar(State::Down); }},
        {"startbuttonover", [] { return button_art::paintStartBar(State::Over); }},
        {"playermarker", player_marker_art::paint},
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
