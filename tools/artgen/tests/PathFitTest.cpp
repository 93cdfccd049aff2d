#include "paint/PathFit.h"

#include <gtest/gtest.h>

#include "paint/Canvas.h"

namespace {

// A 10 x 20 rectangle with its top-left corner at (1, 2).
void tallRectangle(cairo_t* cr) {
    cairo_rectangle(cr, 1.0, 2.0, 10.0, 20.0);
}

constexpr double kTolerance = 1e-9;

TEST(PathFit, MeasuresThePathInImageSpace) {
    Canvas canvas(8, 8);
    cairo_scale(canvas.context(), 3.0, 3.0);  // ignored: measured at identity
    const Bounds b = PathFit::measure(canvas.context(), tallRectangle);
    EXPECT_NEAR(b.left, 1.0, kTolerance);
    EXPECT_NEAR(b.top, 2.0, kTolerance);
    EXPECT_NEAR(b.right, 11.0, kTolerance);
    EXPECT_NEAR(b.bottom, 22.0, kTolerance);
}

TEST(PathFit, StretchFillsTheTargetLessTheMargin) {
    Canvas canvas(8, 8);
    const PathFit fit(canvas.context(), tallRectangle, Bounds{5.0, 5.0, 105.0, 55.0}, 2.0,
                      PathFit::Mode::Stretch);
    const Bounds placed = fit.placedPath();
    EXPECT_NEAR(placed.left, 7.0, kTolerance);
    EXPECT_NEAR(placed.top, 7.0, kTolerance);
    EXPECT_NEAR(placed.right, 103.0, kTolerance);
    EXPECT_NEAR(placed.bottom, 53.0, kTolerance);
}

TEST(PathFit, KeepAspectFillsTheTighterSideAndCentresTheOther) {
    Canvas canvas(8, 8);
    // Room 96 x 46 after the margin; the 1:2 rectangle is limited by the
    // height: 23 wide, 46 tall, centred on x = 55.
    const PathFit fit(canvas.context(), tallRectangle, Bounds{5.0, 5.0, 105.0, 55.0}, 2.0,
                      PathFit::Mode::KeepAspect);
    const Bounds placed = fit.placedPath();
    EXPECT_NEAR(placed.height(), 46.0, kTolerance);
    EXPECT_NEAR(placed.width(), 23.0, kTolerance);
    EXPECT_NEAR(placed.centreX(), 55.0, kTolerance);
    EXPECT_NEAR(placed.top, 7.0, kTolerance);
}

TEST(PathFit, AppliedMatrixPutsThePathWherePlacedPathSays) {
    Canvas canvas(8, 8);
    cairo_t* cr = canvas.context();
    const PathFit fit(cr, tallRectangle, Bounds{0.0, 0.0, 40.0, 40.0}, 0.0, PathFit::Mode::Stretch);
    fit.apply(cr, 3.0, -1.0);
    tallRectangle(cr);
    cairo_identity_matrix(cr);
    double x0, y0, x1, y1;
    cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    EXPECT_NEAR(x0, 3.0, kTolerance);
    EXPECT_NEAR(y0, -1.0, kTolerance);
    EXPECT_NEAR(x1, 43.0, kTolerance);
    EXPECT_NEAR(y1, 39.0, kTolerance);
}

TEST(PathFit, RefusesAnEmptyDrawing) {
    Canvas canvas(8, 8);
    const auto nothing = [](cairo_t*) {};
    EXPECT_THROW(
        PathFit(canvas.context(), nothing, Bounds{0, 0, 10, 10}, 0.0, PathFit::Mode::Stretch),
        std::invalid_argument);
}

}  // namespace
