#include "image/PngFile.h"

#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string scratchFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("artgen_png_" + name)).string();
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(PngFile, OpaqueImageIsStillWrittenAsRgbaWithoutExtraChunks) {
    RgbaImage image(3, 2);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            image.set(column, row, Rgba{10, 200, 30, 255});
        }
    }
    const std::string path = scratchFile("opaque.png");
    PngFile::write(path, image);

    PngFile::Header header;
    PngFile::read(path, &header);
    EXPECT_EQ(header.width, 3);
    EXPECT_EQ(header.height, 2);
    EXPECT_EQ(header.bitDepth, 8);
    EXPECT_EQ(header.colourType, PNG_COLOR_TYPE_RGBA);
    EXPECT_EQ(header.interlace, PNG_INTERLACE_NONE);
    EXPECT_FALSE(header.hasTimeOrText);
    std::remove(path.c_str());
}

TEST(PngFile, PixelsSurviveTheRoundTripIncludingColourUnderClearAlpha) {
    RgbaImage image(2, 2);
    image.set(0, 0, Rgba{255, 0, 0, 255});
    image.set(1, 0, Rgba{1, 2, 3, 0});
    image.set(0, 1, Rgba{40, 50, 60, 7});
    image.set(1, 1, Rgba{255, 255, 255, 128});
    const std::string path = scratchFile("roundtrip.png");
    PngFile::write(path, image);
    const RgbaImage back = PngFile::read(path);
    ASSERT_EQ(back.width(), 2);
    ASSERT_EQ(back.height(), 2);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            EXPECT_EQ(back.at(column, row), image.at(column, row)) << column << "," << row;
        }
    }
    std::remove(path.c_str());
}

TEST(PngFile, SamePixelsGiveSameBytes) {
    RgbaImage image(16, 16);
    for (int i = 0; i < 16; ++i) {
        image.set(i, i, Rgba{static_cast<std::uint8_t>(i * 16), 0, 0, 200});
    }
    const std::string first = scratchFile("first.png");
    const std::string second = scratchFile("second.png");
    PngFile::write(first, image);
    PngFile::write(second, image);
    EXPECT_EQ(bytesOf(first), bytesOf(second));
    std::remove(first.c_str());
    std::remove(second.c_str());
}

TEST(PngFile, MissingOrBrokenFileThrows) {
    EXPECT_THROW(PngFile::read(scratchFile("does-not-exist.png")), std::runtime_error);
    const std::string path = scratchFile("broken.png");
    std::ofstream(path) << "not a png at all";
    EXPECT_THROW(PngFile::read(path), std::runtime_error);
    std::remove(path.c_str());
}

}  // namespace
