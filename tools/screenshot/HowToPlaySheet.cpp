#include "tools/screenshot/HowToPlaySheet.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Application.h"
#include "app/SyntheticKey.h"
#include "battle/Effect.h"
#include "battle/GamePlay.h"
#include "graphics/TextDrawer.h"
#include "graphics/Widget.h"
#include "title/HowToPlayScreen.h"
#include "title/LiveBattle.h"
#include "tools/screenshot/Frame.h"
#include "tools/screenshot/Lettering.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
// The live battle is shown once its player's brick has stopped a bullet.
constexpr int kMostFramesToARescue = 60 * 60;
constexpr float kPuffAtFullSize = 1.5f;
// A battle's hint and pause, a moment into a battle of a fixed seed.
constexpr std::uint32_t kBattleSeed = 20261209;
constexpr int kBattleFrames = 40;
// The rings' part of their page, in logical units: the figures with their
// rings and the start of what they mean.
constexpr float kRingsLeft = 150.0f;
constexpr float kRingsBottom = 200.0f;
constexpr float kRingsWidth = 510.0f;
constexpr float kRingsHeight = 330.0f;

constexpr int kColumns = 3;
constexpr int kMargin = 16;
constexpr int kLabelSize = 20;
constexpr int kLabelGap = 6;

struct Tile {
    const char* label;
    Frame picture;
};

// Shows `state` for a frame as the game would, and reads the picture.
Frame shown(Application& application, GameState* state) {
    application.currentState = state;
    application.draw();
    return Frame::read(kWidth, kHeight);
}

Frame ringsOf(const Frame& page) {
    const float across = kWidth / Widget::kLogicalWidth;
    const float up = kHeight / Widget::kLogicalHeight;
    return page.crop(static_cast<int>(kRingsLeft * across),
                     kHeight - static_cast<int>((kRingsBottom + kRingsHeight) * up),
                     static_cast<int>(kRingsWidth * across), static_cast<int>(kRingsHeight * up));
}

bool pagesInto(Application& application, TextDrawer& text, std::vector<Tile>& tiles) {
    HowToPlayScreen screen(&application, text);
    Frame goal;
    for (int frame = 0; goal.width == 0; ++frame) {
        if (frame == kMostFramesToARescue) {
            std::fprintf(stderr, "screenshot: the live battle stopped no bullet\n");
            return false;
        }
        const Frame now = shown(application, &screen);
        for (const Effect* puff : screen.liveBattle->battle->smokePffs) {
            if (!puff->fading && puff->level >= kPuffAtFullSize) {
                goal = now;
            }
        }
    }
    tiles.push_back({"the goal, live", goal.halved()});
    screen.turn(1);
    tiles.push_back({"controls: keyboard", shown(application, &screen).halved()});
    application.padInUse = true;
    tiles.push_back({"controls: pad", shown(application, &screen).halved()});
    application.padInUse = false;
    screen.turn(1);
    tiles.push_back({"the score", shown(application, &screen).halved()});
    screen.turn(1);
    const Frame rings = shown(application, &screen);
    tiles.push_back({"the rings", rings.halved()});
    tiles.push_back({"rings at 800 x 600", ringsOf(rings)});
    tiles.push_back({"rings in grey", ringsOf(rings).greyed()});
    return true;
}

void battleInto(Application& application, std::vector<Tile>& tiles) {
    GamePlay battle(&application, {32, 2, 32, 2}, kBattleSeed);
    battle.showsHint = true;
    Frame hinted;
    for (int frame = 0; frame < kBattleFrames; ++frame) {
        hinted = shown(application, &battle);
    }
    tiles.push_back({"a first battle's hint", hinted.halved()});
    battle.keyDown(syntheticKey(SDLK_p));
    tiles.push_back({"the pause", shown(application, &battle).halved()});
}

}  // namespace

bool takeHowToPlaySheet(Application& application, const std::string& path) {
    GameState* const title = application.currentState;
    TextDrawer text;
    std::vector<Tile> tiles;
    application.useWindowSize(kWidth, kHeight);
    const bool taken = pagesInto(application, text, tiles);
    if (taken) {
        application.useWindowSize(kWidth, kHeight);
        battleInto(application, tiles);
    }
    application.currentState = title;
    if (!taken) {
        return false;
    }

    // Rows of tiles as wide as the widest, each with its label above it.
    int cell = 0;
    int tallest = 0;
    for (const Tile& tile : tiles) {
        cell = std::max(cell, tile.picture.width);
        tallest = std::max(tallest, tile.picture.height);
    }
    const int rowHeight = kLabelSize + kLabelGap + tallest + kMargin;
    const int rows = (static_cast<int>(tiles.size()) + kColumns - 1) / kColumns;
    Frame sheet(kMargin + kColumns * (cell + kMargin), kMargin + rows * rowHeight, kSheetColour);
    for (std::size_t index = 0; index < tiles.size(); ++index) {
        const int left = kMargin + static_cast<int>(index % kColumns) * (cell + kMargin);
        const int top = kMargin + static_cast<int>(index / kColumns) * rowHeight;
        sheet.paste(lettered(application, text, tiles[index].label, kLabelSize), left, top);
        sheet.paste(tiles[index].picture, left, top + kLabelSize + kLabelGap);
    }
    return sheet.writePng(path);
}
