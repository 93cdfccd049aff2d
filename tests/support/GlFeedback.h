#ifndef TRUCEWARD_TESTS_SUPPORT_GLFEEDBACK_H
#define TRUCEWARD_TESTS_SUPPORT_GLFEEDBACK_H

#include <functional>
#include <vector>

// One vertex as OpenGL's feedback mode reports it: window position (pixels,
// origin bottom-left), colour and texture coordinates after all transforms.
struct FeedbackVertex {
    float x, y;
    float red, green, blue, alpha;
    float s, t;
};

// A polygon that reached the rasteriser; a quad may arrive split in two.
using FeedbackPolygon = std::vector<FeedbackVertex>;

// Runs `draw` in feedback mode, so nothing is drawn, and returns what would
// have been. Needs a current OpenGL context.
std::vector<FeedbackPolygon> capturePolygons(const std::function<void()>& draw);

// The smallest box around the vertices of the given polygons.
struct FeedbackBox {
    float left, bottom, right, top;
};
FeedbackBox boundingBox(const std::vector<FeedbackPolygon>& polygons);

#endif
