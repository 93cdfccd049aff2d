#include "tools/screenshot/Frame.h"

#include <GL/gl.h>
#include <png.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kChannels = 4;
constexpr size_t kAlpha = 3;
constexpr unsigned char kOpaque = 255;

}  // namespace

Frame::Frame(int width, int height, const unsigned char (&colour)[4])
    : width(width), height(height) {
    rgba.reserve(static_cast<size_t>(width) * height * kChannels);
    for (int pixel = 0; pixel < width * height; ++pixel) {
        rgba.insert(rgba.end(), colour, colour + kChannels);
    }
}

Frame Frame::read(int width, int height) {
    std::vector<unsigned char> bottomUp(static_cast<size_t>(width) * height * kChannels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    Frame frame;
    frame.width = width;
    frame.height = height;
    frame.rgba.reserve(bottomUp.size());
    // OpenGL reads the bottom row first.
    const size_t rowBytes = static_cast<size_t>(width) * kChannels;
    for (int row = height - 1; row >= 0; --row) {
        const auto start = bottomUp.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        frame.rgba.insert(frame.rgba.end(), start, start + static_cast<std::ptrdiff_t>(rowBytes));
    }
    // The window's own alpha is whatever blending left in it; what it shows
    // is opaque.
    for (size_t alpha = kAlpha; alpha < frame.rgba.size(); alpha += kChannels) {
        frame.rgba[alpha] = kOpaque;
    }
    return frame;
}

Frame Frame::crop(int left, int top, int cropWidth, int cropHeight) const {
    left = std::clamp(left, 0, width);
    top = std::clamp(top, 0, height);
    const unsigned char clear[kChannels] = {0, 0, 0, 0};
    Frame part(std::min(cropWidth, width - left), std::min(cropHeight, height - top), clear);
    part.paste(*this, -left, -top);
    return part;
}

void Frame::paste(const Frame& piece, int left, int top) {
    for (int row = std::max(0, -top); row < piece.height && top + row < height; ++row) {
        const int from = std::max(0, -left);
        const int to = std::min(piece.width, width - left);
        if (from >= to) {
            return;
        }
        const auto source = piece.rgba.begin() +
                            (static_cast<std::ptrdiff_t>(row) * piece.width + from) * kChannels;
        std::copy(source, source + static_cast<std::ptrdiff_t>(to - from) * kChannels,
                  rgba.begin() +
                      (static_cast<std::ptrdiff_t>(top + row) * width + left + from) * kChannels);
    }
}

Frame Frame::halved() const {
    const unsigned char clear[kChannels] = {0, 0, 0, 0};
    Frame half(width / 2, height / 2, clear);
    for (int row = 0; row < half.height; ++row) {
        for (int column = 0; column < half.width; ++column) {
            for (size_t channel = 0; channel < kChannels; ++channel) {
                int sum = 0;
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        sum += rgba[(static_cast<size_t>(2 * row + dy) * width + 2 * column + dx) *
                                        kChannels +
                                    channel];
                    }
                }
                half.rgba[(static_cast<size_t>(row) * half.width + column) * kChannels + channel] =
                    static_cast<unsigned char>((sum + 2) / 4);
            }
        }
    }
    return half;
}

Frame Frame::greyed() const {
    // ITU-R BT.601 luma, in thousandths.
    constexpr int kRed = 299;
    constexpr int kGreen = 587;
    constexpr int kBlue = 114;
    constexpr int kWhole = 1000;
    Frame grey = *this;
    for (size_t pixel = 0; pixel < rgba.size(); pixel += kChannels) {
        const int luma =
            (kRed * rgba[pixel] + kGreen * rgba[pixel + 1] + kBlue * rgba[pixel + 2]) / kWhole;
        for (size_t channel = 0; channel < kAlpha; ++channel) {
            grey.rgba[pixel + channel] = static_cast<unsigned char>(luma);
        }
    }
    return grey;
}

bool Frame::writePng(const std::string& path) const {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int row = 0; row < height; ++row) {
        png_write_row(png, &rgba[static_cast<size_t>(row) * width * kChannels]);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
