// Whole frames drawn by the main loop, read back and compared with frames
// recorded in tests/display/reference/: a battle played from a fixed seed and
// the title screen with the pointer on the start button. However the drawing
// is done, no pixel may differ by more than 2/255 in any colour.
//
// TRUCEWARD_RECORD_REFERENCE=1 writes the frames anew instead of comparing
// (only ever from code whose picture is known to be right).
#include <GL/gl.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "battle/GamePlay.h"
#include "tests/support/GlWindow.h"
#include "title/TitleScreen.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kTolerance = 2;
constexpr std::uint32_t kSeed = 20261209u;
// Late enough for bullets, flashes, alerts, ghosts and puffs at the bricks.
constexpr int kBattleFrames = 400;

std::string referencePath(const std::string& name) {
    return std::string(TRUCEWARD_TEST_REFERENCE_DIR) + "/" + name + ".png";
}

// RGB rows, top row first, as a PNG stores them.
using Rgb = std::vector<unsigned char>;

Rgb frameShown(const GlWindow& window) {
    const std::vector<unsigned char> rgba = window.readPixels();
    Rgb rgb;
    rgb.reserve(static_cast<size_t>(kWidth) * kHeight * 3);
    for (int row = kHeight - 1; row >= 0; --row) {
        for (int x = 0; x < kWidth; ++x) {
            const unsigned char* p = &rgba[(static_cast<size_t>(row) * kWidth + x) * 4];
            rgb.insert(rgb.end(), p, p + 3);
        }
    }
    return rgb;
}

void writePng(const std::string& path, const Rgb& rgb) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int row = 0; row < kHeight; ++row) {
        png_write_row(png, &rgb[static_cast<size_t>(row) * kWidth * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

Rgb readPng(const std::string& path) {
    Rgb rgb;
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (surface == nullptr) {
        return rgb;
    }
    if (surface->w == kWidth && surface->h == kHeight && surface->format->BytesPerPixel == 3) {
        for (int row = 0; row < kHeight; ++row) {
            const auto* line = static_cast<const unsigned char*>(surface->pixels) +
                               static_cast<size_t>(row) * surface->pitch;
            rgb.insert(rgb.end(), line, line + kWidth * 3);
        }
    }
    SDL_FreeSurface(surface);
    return rgb;
}

void compareWithReference(const std::string& name, const Rgb& frame) {
    const std::string path = referencePath(name);
    if (std::getenv("TRUCEWARD_RECORD_REFERENCE") != nullptr) {
        writePng(path, frame);
        GTEST_SKIP() << "recorded " << path;
    }
    const Rgb reference = readPng(path);
    ASSERT_EQ(reference.size(), frame.size())
        << "no usable " << kWidth << " x " << kHeight << " RGB reference at " << path;
    int worst = 0;
    size_t worstAt = 0;
    size_t off = 0;
    for (size_t i = 0; i < frame.size(); ++i) {
        const int difference = std::abs(frame[i] - reference[i]);
        if (difference > kTolerance) {
            ++off;
        }
        if (difference > worst) {
            worst = difference;
            worstAt = i / 3;
        }
    }
    EXPECT_LE(worst, kTolerance) << off << " colour values differ by more than " << kTolerance
                                 << "; the worst by " << worst << " at x " << worstAt % kWidth
                                 << ", row " << worstAt / kWidth << " from the top";
}

class FrameReferenceTest : public testing::Test {
  protected:
    void show(GameState* state, Application::StateKind kind) {
        Application& application = window.application;
        delete application.currentState;
        application.currentState = state;
        application.stateKind = kind;
    }

    GlWindow window{kWidth, kHeight};
};

TEST_F(FrameReferenceTest, ABattleFromAFixedSeedLooksAsRecorded) {
    auto* battle = new GamePlay(&window.application, {99, 99, 99, 99}, kSeed);
    show(battle, Application::StateBattle);
    SDL_keysym key{};
    key.sym = SDLK_z;
    battle->keyDown(key);
    key.sym = SDLK_x;
    battle->keyDown(key);
    for (int frame = 1; frame < kBattleFrames - 1; ++frame) {
        battle->update();
        battle->advanceUnseen();
        battle->cleanUp();
    }
    // Two frames drawn, so that the second shows whatever the first kept.
    window.application.draw();
    window.application.draw();
    compareWithReference("battle-frame", frameShown(window));
}

TEST_F(FrameReferenceTest, TheTitleScreenWithThePointerOnTheStartButtonLooksAsRecorded) {
    auto* title = new TitleScreen(&window.application, {7, 3, 12, 5});
    show(title, Application::StateTitle);
    // The start button's centre, logical (512, 128), in window pixels from the top.
    title->mouseMove(400.0f, 500.0f);
    window.application.draw();
    compareWithReference("title-frame", frameShown(window));
}

}  // namespace
