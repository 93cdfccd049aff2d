#include "tools/screenshot/PlayerSheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "app/Application.h"
#include "app/SyntheticKey.h"
#include "battle/Field.h"
#include "battle/GamePlay.h"
#include "battle/Ghost.h"
#include "graphics/TextDrawer.h"
#include "graphics/Widget.h"
#include "people/PeaceKeeper.h"
#include "people/Person.h"
#include "tools/screenshot/Frame.h"
#include "tools/screenshot/Lettering.h"

namespace {

struct Size {
    int width;
    int height;
    const char* label;
};
constexpr Size kSizes[] = {{800, 600, "800 x 600"}, {1024, 768, "1024 x 768"}};
constexpr Size kLargest = kSizes[1];

// A part of the field, in field units: lower-left corner and size.
struct Box {
    float x;
    float y;
    float width;
    float height;
};

// What a scene does after each drawn frame.
enum class Verdict { Go, Keep, GiveUp };

// A battle to play and when to keep its picture: `step` is called after each
// frame with the frame's number; it presses keys and, on Keep, sets the box
// to crop. It reads nothing but the battle, so a replay keeps the same frame.
struct Scene {
    const char* label;
    StartNumbers numbers;
    std::uint32_t firstSeed;
    std::function<Verdict(GamePlay&, int, Box&)> step;
};

constexpr int kSeedsTried = 40;
constexpr int kFramesPerBattle = 4000;

// Around the player's person: its marker reaches 32 units beyond its cell.
constexpr float kAround = 192.0f;
constexpr float kAroundLeft = 64.0f;
constexpr float kAroundBelow = 48.0f;
// The player stops here, standing over a pile's bricks.
constexpr float kUpperStop = 640.0f;
constexpr float kLowerStop = 72.0f;
// Where the crowd is set down, around the player's person.
struct Offset {
    float x;
    float y;
};
constexpr Offset kCrowdPlaces[] = {{-24, 12},  {20, -16}, {-10, -34}, {26, 28},
                                   {-28, -18}, {4, 36},   {14, 6}};
constexpr int kCrowdFrame = 30;
// The fall is shown a few frames on, with the ghost still clear; the crop
// takes in the ghost and the two lines across the middle of the field.
constexpr float kGhostShown = 0.75f;
constexpr Box kFallLines{224.0f, 450.0f, 576.0f, 130.0f};

constexpr int kMargin = 16;
constexpr int kLabelSize = 20;
constexpr int kLabelGap = 6;

Box keptInField(Box box) {
    box.x = std::clamp(box.x, 0.0f, Field::kWidth - box.width);
    box.y = std::clamp(box.y, 0.0f, Field::kHeight - box.height);
    return box;
}

Box around(const Person& person) {
    return keptInField({person.x - kAroundLeft, person.y - kAroundBelow, kAround, kAround});
}

// Walks the player's person to a pile and keeps the frame once it is there.
Verdict toPile(GamePlay& battle, int frame, Box& box, bool upper) {
    if (battle.player == nullptr) {
        return Verdict::GiveUp;
    }
    const SDLKey walk = upper ? SDLK_UP : SDLK_DOWN;
    if (frame == 0) {
        battle.keyDown(syntheticKey(walk));
    }
    const Person& own = *battle.people.front();
    if (upper ? own.y < kUpperStop : own.y > kLowerStop) {
        return Verdict::Go;
    }
    battle.keyUp(syntheticKey(walk));
    box = around(own);
    return Verdict::Keep;
}

// Only peace keepers walk the player's line, and few battles last long
// enough for many: so a while into the battle, civilians are turned into
// peace keepers and set down around the player's person, overlapping it on
// every side, and the next frame is kept.
Verdict inCrowd(GamePlay& battle, int frame, Box& box) {
    if (battle.player == nullptr) {
        return Verdict::GiveUp;
    }
    const Person& own = *battle.people.front();
    if (frame == kCrowdFrame) {
        // The civilians of the left side come first after the player's person.
        std::size_t next = 1;
        for (const Offset& offset : kCrowdPlaces) {
            Person* keeper = battle.people.at(next++);
            keeper->setBehaviour(new PeaceKeeper(&battle, &battle.random));
            keeper->setPosition(own.x + offset.x, own.y + offset.y);
        }
        return Verdict::Go;
    }
    if (frame < kCrowdFrame) {
        return Verdict::Go;
    }
    box = around(own);
    return Verdict::Keep;
}

// Stands still until shot, and keeps a frame shortly after: the ghost's
// fading counts the frames since.
Verdict afterTheFall(GamePlay& battle, int /*frame*/, Box& box) {
    if (battle.player != nullptr) {
        return battle.warOver ? Verdict::GiveUp : Verdict::Go;
    }
    if (battle.playerGhost == nullptr) {
        return Verdict::GiveUp;
    }
    const Ghost& ghost = *battle.playerGhost;
    if (ghost.alpha > kGhostShown) {
        return Verdict::Go;
    }
    const float bottom = std::min(kFallLines.y, ghost.y - kAroundBelow);
    const float top = std::max(kFallLines.y + kFallLines.height, ghost.y + kAround - kAroundBelow);
    box = keptInField({kFallLines.x, bottom, kFallLines.width, top - bottom});
    return Verdict::Keep;
}

// Plays the scene's battle from `seed` at the current size; the box to crop,
// or nothing when the scene gave up.
std::optional<Box> play(Application& application, const Scene& scene, std::uint32_t seed) {
    delete application.currentState;
    auto* battle = new GamePlay(&application, scene.numbers, seed);
    application.currentState = battle;
    application.stateKind = Application::StateBattle;
    Box box{};
    for (int frame = 0; frame < kFramesPerBattle; ++frame) {
        application.draw();
        const Verdict verdict = scene.step(*battle, frame, box);
        if (verdict == Verdict::Keep) {
            return box;
        }
        if (verdict == Verdict::GiveUp) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

Frame cropOf(const Box& box, const Size& size) {
    const float across = static_cast<float>(size.width) / Widget::kLogicalWidth;
    const float up = static_cast<float>(size.height) / Widget::kLogicalHeight;
    const Frame shown = Frame::read(size.width, size.height);
    return shown.crop(static_cast<int>(box.x * across),
                      size.height - static_cast<int>((box.y + box.height) * up),
                      static_cast<int>(box.width * across), static_cast<int>(box.height * up));
}

}  // namespace

bool takePlayerSheet(Application& application, const std::string& path) {
    const Scene scenes[] = {
        {"upper pile",
         {32, 2, 32, 2},
         20261210u,
         [](GamePlay& b, int f, Box& box) { return toPile(b, f, box, true); }},
        {"lower pile",
         {32, 2, 32, 2},
         20261210u,
         [](GamePlay& b, int f, Box& box) { return toPile(b, f, box, false); }},
        {"in a crowd", {32, 2, 32, 2}, 20261211u, inCrowd},
        {"after the fall", {32, 2, 32, 2}, 20261212u, afterTheFall},
    };
    // crops[size][scene]
    std::vector<std::vector<Frame>> crops(std::size(kSizes));
    for (const Scene& scene : scenes) {
        std::optional<std::uint32_t> found;
        for (int attempt = 0; attempt < kSeedsTried && !found; ++attempt) {
            const std::uint32_t seed = scene.firstSeed + static_cast<std::uint32_t>(attempt);
            application.useWindowSize(kLargest.width, kLargest.height);
            if (play(application, scene, seed)) {
                found = seed;
            }
        }
        if (!found) {
            std::fprintf(stderr, "screenshot: no battle shows the player %s\n", scene.label);
            return false;
        }
        for (std::size_t size = 0; size < std::size(kSizes); ++size) {
            application.useWindowSize(kSizes[size].width, kSizes[size].height);
            const std::optional<Box> box = play(application, scene, *found);
            if (!box) {
                std::fprintf(stderr, "screenshot: the battle of %s did not replay\n", scene.label);
                return false;
            }
            crops[size].push_back(cropOf(*box, kSizes[size]));
        }
    }

    // Columns as wide as the largest crop in them; a row of captions, then
    // each size's label above its row of crops.
    TextDrawer text;
    std::vector<int> columns;
    int width = kMargin;
    for (std::size_t scene = 0; scene < std::size(scenes); ++scene) {
        columns.push_back(width);
        width += crops.back()[scene].width + kMargin;
    }
    int height = kMargin + kLabelSize + kLabelGap;
    std::vector<int> rows;
    for (const std::vector<Frame>& row : crops) {
        height += kLabelSize + kLabelGap;
        rows.push_back(height);
        int tallest = 0;
        for (const Frame& crop : row) {
            tallest = std::max(tallest, crop.height);
        }
        height += tallest + kMargin;
    }
    Frame sheet(width, height, kSheetColour);
    for (std::size_t scene = 0; scene < std::size(scenes); ++scene) {
        sheet.paste(lettered(application, text, scenes[scene].label, kLabelSize), columns[scene],
                    kMargin);
        for (std::size_t size = 0; size < crops.size(); ++size) {
            sheet.paste(crops[size][scene], columns[scene], rows[size]);
        }
    }
    for (std::size_t size = 0; size < crops.size(); ++size) {
        sheet.paste(lettered(application, text, kSizes[size].label, kLabelSize), kMargin,
                    rows[size] - kLabelSize - kLabelGap);
    }
    application.useWindowSize(kLargest.width, kLargest.height);
    return sheet.writePng(path);
}
