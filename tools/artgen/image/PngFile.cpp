#include "image/PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// zlib's strongest setting: the files are written rarely and read by everyone.
constexpr int kCompressionLevel = 9;
constexpr int kBytesPerPixel = 4;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle openFile(const std::string& path, const char* mode) {
    FileHandle file(std::fopen(path.c_str(), mode));
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    return file;
}

[[noreturn]] void raiseError(png_structp, png_const_charp message) {
    throw std::runtime_error(message);
}

void ignoreWarning(png_structp, png_const_charp) {}

std::vector<png_bytep> rowPointers(std::vector<png_byte>& bytes, int width, int height) {
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    const std::size_t stride = static_cast<std::size_t>(width) * kBytesPerPixel;
    for (int row = 0; row < height; ++row) {
        rows[static_cast<std::size_t>(row)] = bytes.data() + stride * row;
    }
    return rows;
}

}  // namespace

void PngFile::write(const std::string& path, const RgbaImage& image) {
    FileHandle file = openFile(path, "wb");
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, raiseError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng could not start writing " + path);
    }
    try {
        std::vector<png_byte> bytes(static_cast<std::size_t>(image.width()) * image.height() *
                                    kBytesPerPixel);
        std::size_t at = 0;
        for (int row = 0; row < image.height(); ++row) {
            for (int column = 0; column < image.width(); ++column) {
                const Rgba p = image.at(column, row);
                bytes[at++] = p.r;
                bytes[at++] = p.g;
                bytes[at++] = p.b;
                bytes[at++] = p.a;
            }
        }
        std::vector<png_bytep> rows = rowPointers(bytes, image.width(), image.height());
        png_init_io(png, file.get());
        png_set_compression_level(png, kCompressionLevel);
        png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                     static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGBA,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        png_write_image(png, rows.data());
        png_write_end(png, nullptr);
    } catch (...) {
        png_destroy_write_struct(&png, &info);
        throw;
    }
    png_destroy_write_struct(&png, &info);
}

RgbaImage PngFile::read(const std::string& path, Header* header) {
    FileHandle file = openFile(path, "rb");
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, raiseError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw std::runtime_error("libpng could not start reading " + path);
    }
    try {
        png_init_io(png, file.get());
        png_read_info(png, info);
        Header stored;
        stored.width = static_cast<int>(png_get_image_width(png, info));
        stored.height = static_cast<int>(png_get_image_height(png, info));
        stored.bitDepth = png_get_bit_depth(png, info);
        stored.colourType = png_get_color_type(png, info);
        stored.interlace = png_get_interlace_type(png, info);

        png_set_expand(png);
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
        png_set_interlace_handling(png);
        png_read_update_info(png, info);

        std::vector<png_byte> bytes(static_cast<std::size_t>(stored.width) * stored.height *
                                    kBytesPerPixel);
        std::vector<png_bytep> rows = rowPointers(bytes, stored.width, stored.height);
        png_read_image(png, rows.data());
        png_read_end(png, info);

        png_textp texts = nullptr;
        int textCount = 0;
        png_get_text(png, info, &texts, &textCount);
        stored.hasTimeOrText = textCount > 0 || png_get_valid(png, info, PNG_INFO_tIME) != 0;

        RgbaImage image(stored.width, stored.height);
        std::size_t at = 0;
        for (int row = 0; row < stored.height; ++row) {
            for (int column = 0; column < stored.width; ++column) {
                image.set(column, row,
                          Rgba{bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]});
                at += kBytesPerPixel;
            }
        }
        png_destroy_read_struct(&png, &info, nullptr);
        if (header) {
            *header = stored;
        }
        return image;
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
}
