#include "check/PixelStats.h"

#include <cmath>

namespace pixel_stats {
namespace {
constexpr int kWhiteFloor = 240;
constexpr int kInkCeiling = 40;
constexpr int kOpaque = 255;
}  // namespace

double luminance(Rgba p) {
    return 0.299 * p.r + 0.587 * p.g + 0.114 * p.b;
}

Mean meanOver(const RgbaImage& image, const PixelBox& box) {
    Mean mean;
    const double count = static_cast<double>(box.width()) * box.height();
    for (int row = box.top; row <= box.bottom; ++row) {
        for (int column = box.left; column <= box.right; ++column) {
            const Rgba p = image.at(column, row);
            mean.r += p.r / count;
            mean.g += p.g / count;
            mean.b += p.b / count;
            mean.luminance += luminance(p) / count;
        }
    }
    return mean;
}

double luminanceSpread(const RgbaImage& image, const PixelBox& box) {
    const double mean = meanOver(image, box).luminance;
    double sum = 0.0;
    for (int row = box.top; row <= box.bottom; ++row) {
        for (int column = box.left; column <= box.right; ++column) {
            const double d = luminance(image.at(column, row)) - mean;
            sum += d * d;
        }
    }
    return std::sqrt(sum / (static_cast<double>(box.width()) * box.height()));
}

bool isWhite(Rgba p) {
    return p.a == kOpaque && p.r >= kWhiteFloor && p.g >= kWhiteFloor && p.b >= kWhiteFloor;
}

bool isInk(Rgba p) {
    return p.a == kOpaque && p.r <= kInkCeiling && p.g <= kInkCeiling && p.b <= kInkCeiling;
}

std::string describe(const PixelBox& box) {
    if (box.isEmpty()) {
        return "nothing";
    }
    return "columns " + std::to_string(box.left) + ".." + std::to_string(box.right) + ", rows " +
           std::to_string(box.top) + ".." + std::to_string(box.bottom);
}

}  // namespace pixel_stats
