#include "check/FamilyCheck.h"

#include <gtest/gtest.h>

namespace {

const Rgba kBlack{0, 0, 0, 255};
const Rgba kRed{230, 30, 20, 255};

// A crude figure: a black head in rows 5..20 and a body down to row 60.
RgbaImage figure() {
    RgbaImage image(64, 64);
    for (int row = 5; row <= 20; ++row) {
        for (int column = 24; column <= 39; ++column) {
            image.set(column, row, kBlack);
        }
    }
    for (int row = 21; row <= 60; ++row) {
        image.set(31, row, kBlack);
    }
    return image;
}

RgbaImage withEyes(RgbaImage image) {
    image.set(28, 12, kRed);
    image.set(35, 12, kRed);
    return image;
}

TEST(FighterCheck, GuyWithTwoRedEyesPasses) {
    CheckReport report;
    family_check::fighterIsGuyWithEyes(figure(), withEyes(figure()), report);
    EXPECT_TRUE(report.passed()) << report.failed().front();
}

TEST(FighterCheck, FaultsAreFound) {
    CheckReport identical;
    family_check::fighterIsGuyWithEyes(figure(), figure(), identical);
    EXPECT_FALSE(identical.passed());

    RgbaImage touchedBody = withEyes(figure());
    touchedBody.set(31, 45, Rgba{10, 10, 10, 255});
    CheckReport body;
    family_check::fighterIsGuyWithEyes(figure(), touchedBody, body);
    EXPECT_FALSE(body.passed());

    RgbaImage oneEye = figure();
    oneEye.set(28, 12, kRed);
    oneEye.set(27, 12, kRed);
    CheckReport single;
    family_check::fighterIsGuyWithEyes(figure(), oneEye, single);
    EXPECT_FALSE(single.passed());

    RgbaImage blueEyes = figure();
    blueEyes.set(28, 12, Rgba{40, 60, 240, 255});
    blueEyes.set(35, 12, Rgba{40, 60, 240, 255});
    CheckReport blue;
    family_check::fighterIsGuyWithEyes(figure(), blueEyes, blue);
    EXPECT_FALSE(blue.passed());
}

// A button state built the way a painter composes it: black outline ring,
// the fill inside, a white gloss over the upper rows and a half-covered
// edge pixel, all with the given fill colour.
RgbaImage buttonState(Rgba fill) {
    RgbaImage image(16, 16);
    const auto blend = [](Rgba top, double share, Rgba under) {
        const auto mix = [share](int a, int b) {
            return static_cast<std::uint8_t>(a * share + b * (1.0 - share) + 0.5);
        };
        return Rgba{mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b), 255};
    };
    for (int row = 2; row <= 13; ++row) {
        for (int column = 2; column <= 13; ++column) {
            const bool edge = row == 2 || row == 13 || column == 2 || column == 13;
            Rgba p = edge ? kBlack : fill;
            if (!edge && row <= 5) {
                p = blend(Rgba{255, 255, 255, 255}, 0.4, fill);
            }
            image.set(column, row, p);
        }
    }
    image.set(7, 13, blend(kBlack, 0.5, fill));
    return image;
}

const Rgba kPaleRed{242, 150, 138, 255};
const Rgba kYellow{255, 214, 52, 255};
const Rgba kStrongRed{222, 36, 36, 255};

TEST(ButtonStatesCheck, StatesThatDifferOnlyInFillPass) {
    CheckReport report;
    family_check::statesDifferOnlyInFill(buttonState(kPaleRed), buttonState(kYellow),
                                         buttonState(kStrongRed), "button", report);
    EXPECT_TRUE(report.passed()) << report.failed().front();
}

TEST(ButtonStatesCheck, AnOutlineThatDiffersIsFound) {
    RgbaImage over = buttonState(kStrongRed);
    over.set(2, 8, Rgba{60, 60, 60, 255});
    CheckReport report;
    family_check::statesDifferOnlyInFill(buttonState(kPaleRed), buttonState(kYellow), over,
                                         "button", report);
    EXPECT_FALSE(report.passed());
}

TEST(ButtonStatesCheck, ADifferentShapeIsFound) {
    RgbaImage down = buttonState(kYellow);
    down.set(0, 0, kBlack);
    CheckReport report;
    family_check::statesDifferOnlyInFill(buttonState(kPaleRed), down, buttonState(kStrongRed),
                                         "button", report);
    EXPECT_FALSE(report.passed());
}

TEST(ButtonStatesCheck, FillsInTheWrongStatesAreFound) {
    CheckReport report;
    family_check::statesDifferOnlyInFill(buttonState(kPaleRed), buttonState(kStrongRed),
                                         buttonState(kYellow), "button", report);
    EXPECT_FALSE(report.passed());
}

// A solid triangle pointing left or right in a 32 x 32 frame.
RgbaImage triangle(bool left) {
    RgbaImage image(32, 32);
    for (int column = 4; column <= 27; ++column) {
        const int reach = left ? column - 4 : 27 - column;
        for (int row = 16 - reach / 2; row <= 16 + reach / 2; ++row) {
            image.set(column, row, kBlack);
        }
    }
    return image;
}

TEST(ArrowCheck, DirectionIsRecognised) {
    CheckReport report;
    family_check::pointsTowards(triangle(true), true, "left", report);
    family_check::pointsTowards(triangle(false), false, "right", report);
    EXPECT_TRUE(report.passed());
    CheckReport wrong;
    family_check::pointsTowards(triangle(false), true, "left", wrong);
    EXPECT_FALSE(wrong.passed());
}

}  // namespace
