#include "tests/support/GlFeedback.h"

#include <GL/gl.h>

#include <algorithm>
#include <limits>

namespace {
// x, y, z, then r, g, b, a, then s, t, r, q.
constexpr int kFloatsPerVertex = 11;
constexpr int kBufferFloats = 1 << 16;
}  // namespace

std::vector<FeedbackPolygon> capturePolygons(const std::function<void()>& draw) {
    std::vector<GLfloat> buffer(kBufferFloats);
    glFeedbackBuffer(kBufferFloats, GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<FeedbackPolygon> polygons;
    for (GLint i = 0; i < used;) {
        const GLfloat token = buffer[i++];
        if (token == GL_POLYGON_TOKEN) {
            const int count = static_cast<int>(buffer[i++]);
            FeedbackPolygon polygon;
            for (int v = 0; v < count; ++v, i += kFloatsPerVertex) {
                const GLfloat* f = &buffer[i];
                polygon.push_back({f[0], f[1], f[3], f[4], f[5], f[6], f[7], f[8]});
            }
            polygons.push_back(polygon);
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
        } else {
            break;  // points and lines are never drawn by the game
        }
    }
    return polygons;
}

FeedbackBox boundingBox(const std::vector<FeedbackPolygon>& polygons) {
    const float inf = std::numeric_limits<float>::infinity();
    FeedbackBox box{inf, inf, -inf, -inf};
    for (const FeedbackPolygon& polygon : polygons) {
        for (const FeedbackVertex& v : polygon) {
            box.left = std::min(box.left, v.x);
            box.right = std::max(box.right, v.x);
            box.bottom = std::min(box.bottom, v.y);
            box.top = std::max(box.top, v.y);
        }
    }
    return box;
}
