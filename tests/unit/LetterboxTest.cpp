// Where the 4:3 picture lies in a window of another shape, and where the
// pointer lands on it.
#include "graphics/Letterbox.h"

#include <gtest/gtest.h>

TEST(Letterbox, AsLargeAsFitsCentredWithThePointerMovedOffTheBars) {
    const Letterbox wide = Letterbox::fit(1000, 480);
    EXPECT_EQ(wide.x, 180);
    EXPECT_EQ(wide.width, 640);
    EXPECT_EQ(wide.height, 480);
    EXPECT_EQ(wide.pointerX(180), 0.0f);

    // An odd row left over goes to the bar above (OpenGL counts from below,
    // the pointer from above).
    const Letterbox tall = Letterbox::fit(640, 601);
    EXPECT_EQ(tall.y, 60);
    EXPECT_EQ(tall.height, 480);
    EXPECT_EQ(tall.pointerY(61, 601), 0.0f);
    EXPECT_TRUE(tall.holds(0.0f, 479.0f));
    EXPECT_FALSE(tall.holds(0.0f, tall.pointerY(60, 601)));
    EXPECT_FALSE(tall.holds(0.0f, 480.0f));

    EXPECT_EQ(Letterbox::fit(1, 1).width, 1);
}
