#include "paint/Canvas.h"

#include <cstdint>
#include <stdexcept>

namespace {

constexpr std::uint32_t kByteMask = 0xff;

// Straight 8-bit channel to premultiplied, rounded to nearest.
std::uint32_t premultiply(std::uint8_t channel, std::uint8_t alpha) {
    return (static_cast<std::uint32_t>(channel) * alpha + kByteMask / 2) / kByteMask;
}

// Premultiplied channel back to straight, rounded to nearest.
std::uint8_t unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
    if (alpha == 0) {
        return 0;
    }
    const std::uint32_t value = (channel * kByteMask + alpha / 2) / alpha;
    return static_cast<std::uint8_t>(value > kByteMask ? kByteMask : value);
}

// Writes the image into a cairo ARGB32 surface of the same size.
void copyInto(cairo_surface_t* surface, const RgbaImage& image) {
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(data + row * stride);
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            line[column] = static_cast<std::uint32_t>(p.a) << 24 | premultiply(p.r, p.a) << 16 |
                           premultiply(p.g, p.a) << 8 | premultiply(p.b, p.a);
        }
    }
    cairo_surface_mark_dirty(surface);
}

}  // namespace

Canvas::Canvas(int width, int height)
    : w(width), h(height), surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cairo could not make a surface");
    }
    cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
}

Canvas::~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

RgbaImage Canvas::snapshot() const {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    RgbaImage image(w, h);
    for (int row = 0; row < h; ++row) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(data + row * stride);
        for (int column = 0; column < w; ++column) {
            const std::uint32_t argb = line[column];
            const std::uint32_t alpha = argb >> 24;
            image.set(
                column, row,
                Rgba{unpremultiply(argb >> 16 & kByteMask, alpha),
                     unpremultiply(argb >> 8 & kByteMask, alpha),
                     unpremultiply(argb & kByteMask, alpha), static_cast<std::uint8_t>(alpha)});
        }
    }
    return image;
}

void Canvas::drawImage(const RgbaImage& image, double x, double y, double scaleX,
                       double scaleY) const {
    cairo_surface_t* source =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width(), image.height());
    copyInto(source, image);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scaleX, scaleY);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_rectangle(cr, 0, 0, image.width(), image.height());
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(source);
}

void Canvas::load(const RgbaImage& image) {
    if (image.width() != w || image.height() != h) {
        throw std::invalid_argument("image and canvas differ in size");
    }
    copyInto(surface, image);
}
