#include "sheet/MockScreens.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "art/GlyphArt.h"
#include "noise/Random.h"
#include "sheet/GameScreen.h"

namespace mock_screens {
namespace {

constexpr std::uint64_t kCrowdSeed = 0x6d6f636b3031ULL;

// The game writes its letters in lower case; the glyphs are capitals.
glyph_line::GlyphSource glyphsFrom(const Loader& glyph) {
    std::map<char32_t, std::string> names;
    for (const glyph_art::Glyph& each : glyph_art::allGlyphs()) {
        for (const char32_t c : each.standsFor) {
            names[c] = each.name;
        }
    }
    return [glyph, names](char32_t c) -> const RgbaImage* {
        const auto found = names.find(c);
        return found == names.end() ? nullptr : &glyph(found->second);
    };
}

void scenery(GameScreen& screen, const Loader& image) {
    screen.drawImage(image("background"), 0, 0);
    screen.drawImage(image("centralmound"), 384, 0, 1, 6);
    screen.drawImage(image("sidemounds"), 128, 0, 1, 12);
    screen.drawImage(image("sidemounds"), 768, 0, 1, 12);
    const std::pair<double, double> piles[] = {{455, 668}, {480, 668}, {505, 668}, {468, 688},
                                               {494, 688}, {480, 708}, {455, -5},  {480, -5},
                                               {505, -5},  {468, 15},  {494, 15},  {480, 35}};
    for (const auto& [x, y] : piles) {
        screen.drawImage(image("brick"), x, y);
    }
    for (double b : {90.0, 130.0, 170.0, 300.0, 318.0, 520.0}) {
        screen.drawImage(image("brick"), 440, b);
    }
    for (double b : {200.0, 240.0, 420.0}) {
        screen.drawImage(image("brick"), 520, b);
    }
}

void people(GameScreen& screen, const Loader& image) {
    Random random(kCrowdSeed);
    for (int i = 0; i < 14; ++i) {
        screen.drawImage(image("guy"), 160 * random.uniform(), 704 * random.uniform());
    }
    for (int i = 0; i < 14; ++i) {
        screen.drawImage(image("guy"), 864 + 160 * random.uniform(), 704 * random.uniform());
    }
    for (double y : {140.0, 470.0}) {
        screen.drawImage(image("fighter"), 160, y);
    }
    for (double y : {300.0, 560.0}) {
        screen.drawImage(image("fighter"), 800, y);
    }
    // Each ring 16 above its person and pulsing: a person in a bullet's line
    // of fire (red sight), a fighter who laid down arms (yellow dashes), a
    // peace keeper (light blue double ring).
    screen.drawImage(image("guy"), 60, 470);
    screen.drawImage(image("alertcircle"), 60, 486, 0.9, 0.9, 1, 0, 0, 1);
    screen.drawImage(image("alertlaiddown"), 160, 156, 1, 1, 1, 1, 0, 1);
    screen.drawImage(image("guy"), 440, 600);
    screen.drawImage(image("alertpeacekeeper"), 440, 616, 0.8, 0.8, 0.5, 0.5, 1, 1);
    // The player's person with a brick in each hand, marked as its own.
    screen.drawImage(image("playermarker"), 480 - 32, 352 - 16);
    screen.drawImage(image("guy"), 480, 352);
    screen.drawImage(image("brick"), 466, 373, 0.625, 0.625);
    screen.drawImage(image("brick"), 494, 373, 0.625, 0.625);
    // A ghost fading where someone fell.
    screen.drawImage(image("guy"), 900, 120, 1, 1, 1, 1, 1, 0.5);
}

void fire(GameScreen& screen, const Loader& image) {
    screen.drawImage(image("bullet"), 330, 470, -1);
    screen.drawImage(image("bullet"), 250, 140, -1);
    screen.drawImage(image("bullet"), 640, 300);
    screen.drawImage(image("bullet"), 560, 560);
    screen.drawImage(image("shotbang"), 186, 470, 1, 1);
    screen.drawImage(image("shotbang"), 780, 560, 0.75, 0.75);
    screen.drawImage(image("smokepff"), 520, 240, 0.9, 0.9);
    screen.drawImage(image("smokepff"), 440, 130, 0.6, 0.6, 1, 1, 1, 0.6);
}

}  // namespace

RgbaImage battle(const Loader& image, const Loader& glyph) {
    GameScreen screen(glyphsFrom(glyph));
    scenery(screen, image);
    people(screen, image);
    fire(screen, image);
    constexpr double kScoreSize = 21.0;
    screen.drawText("score 12", 10, GameScreen::kHeight - 10 - kScoreSize, kScoreSize);
    screen.drawText("the war is over", 25, GameScreen::kHeight * 0.5, 64);
    screen.drawText("-space to quit-", GameScreen::kWidth * 0.5 - 160, GameScreen::kHeight * 0.3,
                    24);
    return screen.snapshot();
}

RgbaImage title(const Loader& image, const Loader& glyph) {
    GameScreen screen(glyphsFrom(glyph));
    screen.drawImage(image("title"), 0, -128);
    const std::pair<double, double> less[] = {{325, 386}, {325, 316}, {736, 386}, {736, 316}};
    const std::pair<double, double> more[] = {{432, 386}, {432, 316}, {844, 386}, {844, 316}};
    for (const auto& [x, y] : less) {
        screen.drawImage(image("leftbuttonup"), x, y);
    }
    for (const auto& [x, y] : more) {
        screen.drawImage(image("rightbuttonup"), x, y);
    }
    // One button under the pointer, one pressed.
    screen.drawImage(image("rightbuttonover"), 844, 386);
    screen.drawImage(image("leftbuttondown"), 325, 316);
    screen.drawImage(image("barbuttonup"), 256, 80);
    // Where the labels stood when the artwork carried them: the numbers'
    // labels from x 122 and 522 at their size, or smaller where the font's
    // broad letters would run into the arrows; the high score's ending 19
    // before it, a little smaller than its digits.
    constexpr double kCell = 21.0;
    constexpr double kHighScoreLabelSize = 30.0;
    const glyph_line::GlyphSource glyphFor = glyphsFrom(glyph);
    const auto label = [&](const char* text, double x, double y, double arrowX) {
        constexpr double kGapToArrow = 4.0;
        const double fits = (arrowX - kGapToArrow - x) / glyph_line::width(text, glyphFor, 1.0);
        screen.drawText(text, x, y, std::min(kCell, fits));
    };
    label("left civilians:", 121, 407, less[0].first);
    label("right civilians:", 521, 407, less[2].first);
    label("left fighters:", 121, 338, less[1].first);
    label("right fighters:", 521, 338, less[3].first);
    screen.drawText(
        "high score:", 590.4 - glyph_line::width("high score:", glyphFor, kHighScoreLabelSize),
        228.6, kHighScoreLabelSize);
    constexpr double kBarWordSize = 40.0;
    screen.drawText("enter war", 512 - glyph_line::width("enter war", glyphFor, kBarWordSize) / 2,
                    124, kBarWordSize);
    // Centred in their slots, about x 411 and 822.
    screen.drawText("32", 396, 408, kCell);
    screen.drawText("2", 403, 339, kCell);
    screen.drawText("32", 807, 408, kCell);
    screen.drawText("2", 814, 339, kCell);
    screen.drawText("14995", 608, 226, 34);
    screen.drawImage(image("mouse"), 870 - 13, 420 - 53);
    return screen.snapshot();
}

}  // namespace mock_screens
