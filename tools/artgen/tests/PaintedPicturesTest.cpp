#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "art/AlertRingArt.h"
#include "art/ArtCatalogue.h"
#include "art/BulletArt.h"
#include "art/GlyphArt.h"
#include "art/PlayerMarkerArt.h"
#include "art/PointerArt.h"
#include "art/TitleArt.h"
#include "check/ContentCheck.h"
#include "check/FamilyCheck.h"
#include "check/RingCheck.h"
#include "check/TitleCheck.h"

// The checks run on real paintings, and on the same paintings with a fault
// planted, to show that the checks pass the art and catch the faults.
namespace {

TEST(Catalogue, HasTheGameImagesInCatalogueOrder) {
    // Pictures that belong together share a row.
    // clang-format off
    const std::vector<std::string> expected = {
        "background", "guy", "fighter", "brick", "bullet", "shotbang", "alertcircle",
        "centralmound", "sidemounds", "smokepff", "title", "mouse",
        "leftbuttonup", "leftbuttondown", "leftbuttonover",
        "rightbuttonup", "rightbuttondown", "rightbuttonover",
        "barbuttonup", "barbuttondown", "barbuttonover",
        "playermarker",
        "smallbuttonup", "smallbuttondown", "smallbuttonover",
        "focusnumber", "focusbar", "focusbutton", "focusline",
        "alertlaiddown", "alertpeacekeeper", "howtoplay",
    };
    // clang-format on
    std::vector<std::string> names;
    for (const art_catalogue::Piece& piece : art_catalogue::images()) {
        names.push_back(piece.name);
    }
    EXPECT_EQ(names, expected);
}

TEST(Catalogue, HasTheGlyphsInFontOrder) {
    std::vector<std::string> expected;
    for (const char* digit : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
        expected.push_back(std::string("font") + digit);
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        expected.push_back(std::string("font") + letter);
    }
    for (const char* mark : {"period", "comma", "exclaim", "minus", "plus", "colon", "slash",
                             "lparen", "rparen", "apostrophe", "question"}) {
        expected.push_back(std::string("font") + mark);
    }
    std::vector<std::string> names;
    for (const art_catalogue::Piece& piece : art_catalogue::glyphs()) {
        names.push_back(piece.name);
    }
    const std::vector<std::string> first(names.begin(), names.begin() + expected.size());
    EXPECT_EQ(first, expected);

    // Then one glyph for each letter of the translations and its capital,
    // and for each of their marks, named after what it shows and in the
    // order of that; none for the capitals A to Z.
    const std::u32string letters = U"àáâãäçèéêëìíîïñòóôõöùúûüœæßąćęłńśźż";
    const std::u32string marks = U"¿¡«»„“”’–…;\"%";
    std::map<char32_t, std::string> shownFor;
    for (const glyph_art::Glyph& glyph : glyph_art::allGlyphs()) {
        for (const char32_t c : glyph.standsFor) {
            EXPECT_TRUE(shownFor.emplace(c, glyph.name).second) << glyph.name;
        }
    }
    const auto named = [](char32_t shown) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04x", static_cast<unsigned>(shown));
        return std::string("fontu") + hex;
    };
    for (const char32_t letter : letters) {
        const char32_t capital = letter == U'ß'   ? U'ẞ'
                                 : letter < 0x100 ? letter - 0x20
                                                  : letter - 1;
        EXPECT_EQ(shownFor[letter], named(letter == U'ß' ? letter : capital));
        EXPECT_EQ(shownFor[capital], shownFor[letter]);
    }
    for (const char32_t mark : marks) {
        EXPECT_EQ(shownFor[mark], named(mark));
    }
    EXPECT_EQ(shownFor.count(U'A') + shownFor.count(U'Z'), 0u);
    EXPECT_EQ(names.size(), expected.size() + letters.size() + marks.size());
    EXPECT_TRUE(std::is_sorted(names.begin() + expected.size(), names.end()));
}

RgbaImage mirrored(const RgbaImage& image) {
    RgbaImage out(image.width(), image.height());
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            out.set(image.width() - 1 - column, row, image.at(column, row));
        }
    }
    return out;
}

RgbaImage shifted(const RgbaImage& image, int right, int down) {
    RgbaImage out(image.width(), image.height());
    for (int row = 0; row + down < image.height(); ++row) {
        for (int column = 0; column + right < image.width(); ++column) {
            out.set(column + right, row + down, image.at(column, row));
        }
    }
    return out;
}

TEST(ContentCheck, BulletHeadMustBeOnTheLeft) {
    const RgbaImage bullet = bullet_art::paint();
    CheckReport asPainted;
    content_check::bullet(bullet, asPainted);
    EXPECT_TRUE(asPainted.passed());
    CheckReport turned;
    content_check::bullet(mirrored(bullet), turned);
    EXPECT_FALSE(turned.passed());
}

TEST(ContentCheck, PointerTipMustBeNearColumnTenRowEight) {
    const RgbaImage pointer = pointer_art::paint();
    CheckReport asPainted;
    content_check::pointer(pointer, asPainted);
    EXPECT_TRUE(asPainted.passed());
    CheckReport moved;
    content_check::pointer(shifted(pointer, 4, 3), moved);
    EXPECT_FALSE(moved.passed());
}

TEST(RingCheck, EachRingPassesAsItselfAndNotAsAnother) {
    using Shape = void (*)(const RgbaImage&, const std::string&, CheckReport&);
    const Shape shapes[] = {ring_check::sight, ring_check::dashed, ring_check::doubled};
    const RgbaImage rings[] = {alert_ring_art::paintThreat(), alert_ring_art::paintLaidDown(),
                               alert_ring_art::paintPeaceKeeper()};
    for (int ring = 0; ring < 3; ++ring) {
        for (int shape = 0; shape < 3; ++shape) {
            CheckReport report;
            ring_check::ring(rings[ring], "ring", report);
            shapes[shape](rings[ring], "ring", report);
            EXPECT_EQ(report.passed(), ring == shape) << "ring " << ring << ", shape " << shape;
        }
    }

    // A tinted pixel would not take the game's tint; a band without its dark
    // edges would not stand out on the grass.
    RgbaImage coloured = rings[0];
    Rgba p = coloured.at(32, 8 + 2);
    ASSERT_GT(p.a, 0);
    p.b = 200;
    coloured.set(32, 8 + 2, p);
    RgbaImage unedged = rings[2];
    for (int row = 0; row < unedged.height(); ++row) {
        for (int column = 0; column < unedged.width(); ++column) {
            const Rgba q = unedged.at(column, row);
            unedged.set(column, row, q.r < 128 ? Rgba{} : q);
        }
    }
    for (const RgbaImage& faulty : {coloured, unedged}) {
        CheckReport report;
        ring_check::ring(faulty, "ring", report);
        EXPECT_FALSE(report.passed());
    }
}

TEST(Glyphs, AccentedCapitalsKeepTheirLetterAndAMissingCharacterFailsLoudly) {
    const RgbaImage e = glyph_art::paint({"fonte", "E", U"e"});
    const RgbaImage accented = glyph_art::paint({"fontu00c9", "\u00c9", U"éÉ"});
    CheckReport report;
    content_check::glyph(accented, "fontu00c9", report);
    // Below the accent it is the E, moved sideways by whole pixels at most.
    family_check::keepsLetter(accented, e, 28, 95, "fontu00c9", report);
    family_check::keepsLetter(shifted(accented, 2, 0), e, 28, 95, "moved", report);
    EXPECT_TRUE(report.passed()) << report.failed().front();
    for (const RgbaImage& other : {shifted(accented, 0, 1), glyph_art::paint({"f", "F", U"f"})}) {
        CheckReport unlike;
        family_check::keepsLetter(other, e, 28, 95, "unlike", unlike);
        EXPECT_FALSE(unlike.passed());
    }
    // Comic Neue has no Cyrillic.
    EXPECT_THROW(glyph_art::paint({"fontzhe", "\u0416", U"ж"}), std::runtime_error);
}

TEST(ContentCheck, OnlyThePlayerMarkerIsAqua) {
    RgbaImage marker = player_marker_art::paint();
    CheckReport asPainted;
    content_check::playerMarker(marker, asPainted);
    family_check::colourIsOwn("playermarker", {{"playermarker", marker}}, asPainted);
    EXPECT_TRUE(asPainted.passed());

    // A reddish pixel in the halo is not the marker's colour; the marker's
    // aqua in any other picture is not its own any more.
    const Rgba aqua = marker.at(64, 82);
    marker.set(64, 82, Rgba{200, aqua.g, aqua.b, aqua.a});
    CheckReport stained;
    content_check::playerMarker(marker, stained);
    EXPECT_FALSE(stained.passed());
    RgbaImage other(4, 4);
    other.set(1, 1, aqua);
    CheckReport shared;
    family_check::colourIsOwn("playermarker", {{"playermarker", marker}, {"brick", other}}, shared);
    EXPECT_FALSE(shared.passed());
}

class TitleLayoutCheck : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { title = new RgbaImage(title_art::paint()); }
    static void TearDownTestSuite() {
        delete title;
        title = nullptr;
    }
    static RgbaImage* title;
};
RgbaImage* TitleLayoutCheck::title = nullptr;

TEST_F(TitleLayoutCheck, PaintedTitlePasses) {
    CheckReport report;
    title_check::layout(*title, report);
    EXPECT_TRUE(report.passed()) << report.failed().front();
}

TEST_F(TitleLayoutCheck, WhiteWhereAnArrowButtonGoesIsFound) {
    RgbaImage planted = *title;
    // The left civilians' "less" button stands at screen (325, 386): image
    // columns 325..388, rows 446..509.
    for (int row = 470; row < 476; ++row) {
        for (int column = 350; column < 360; ++column) {
            planted.set(column, row, Rgba{255, 255, 255, 255});
        }
    }
    CheckReport report;
    title_check::layout(planted, report);
    EXPECT_FALSE(report.passed());
}

TEST_F(TitleLayoutCheck, LightPanelBehindTheNumbersOrALabelIsFound) {
    // The right fighters' number cells: x 801..843, screen heights 339..360;
    // the place of the label HIGH SCORE.
    for (const PixelBox& place :
         {PixelBox{801, 896 - 360, 843, 896 - 339}, PixelBox{355, 639, 588, 665}}) {
        RgbaImage planted = *title;
        for (int row = place.top; row <= place.bottom; ++row) {
            for (int column = place.left; column <= place.right; ++column) {
                planted.set(column, row, Rgba{150, 170, 150, 255});
            }
        }
        CheckReport report;
        title_check::layout(planted, report);
        EXPECT_FALSE(report.passed());
    }
}

TEST_F(TitleLayoutCheck, UnslantedLetteringIsFound) {
    // Turning the lettering band upside down makes it slant downwards.
    RgbaImage planted = *title;
    for (int row = 192; row <= 357; ++row) {
        for (int column = 0; column < planted.width(); ++column) {
            planted.set(column, row, title->at(column, 192 + 357 - row));
        }
    }
    CheckReport report;
    title_check::layout(planted, report);
    EXPECT_FALSE(report.passed());
}

TEST(HowToPlayCheck, PaintedBackdropPassesWordsAndAnotherPanelAreFound) {
    CheckReport painted;
    title_check::howToPlay(title_art::paintHowToPlay(), painted);
    EXPECT_TRUE(painted.passed()) << painted.failed().front();
    // The title artwork has a word, and a shorter panel.
    CheckReport title;
    title_check::howToPlay(title_art::paint(), title);
    EXPECT_EQ(title.failed().size(), 2u);
}

}  // namespace
