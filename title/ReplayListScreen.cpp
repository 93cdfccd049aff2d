#include "title/ReplayListScreen.h"

#include <dirent.h>

#include <algorithm>
#include <tuple>

#include "app/Translation.h"
#include "replay/Replay.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayShelf.h"
#include "scores/FilePath.h"

namespace {

// The layout, in logical units. The columns: what the replay is, the civilians and the fighters of
// the two sides, and its score; a header above the rows.
constexpr float kKindLeft = 150.0f;
constexpr float kCiviliansMiddle = 468.0f;
constexpr float kFightersMiddle = 628.0f;
constexpr float kScoreRight = 874.0f;
constexpr float kHeaderY = 552.0f;
constexpr float kHeaderSize = 20.0f;
constexpr float kFirstRowY = 500.0f;
constexpr float kRowStep = 44.0f;
constexpr float kRowSize = 24.0f;
// The light band behind the chosen row, from a little below its letters.
constexpr float kBandLeft = 130.0f;
constexpr float kBandRight = 894.0f;
constexpr float kBandBelow = 10.0f;
constexpr float kBandGrey = 1.0f;
constexpr float kBandAlpha = 0.25f;
constexpr float kEmptyY = 380.0f;

const char* const kExtension = ".twreplay";
const char* const kBestPrefix = "best-";

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

ReplayListScreen::Entry entryOf(const std::string& path, bool last) {
    ReplayListScreen::Entry entry;
    entry.path = path;
    entry.last = last;
    Replay replay;
    std::string reason;
    entry.readable = ReplayFile::read(path, replay, reason);
    if (entry.readable) {
        entry.numbers = replay.numbers;
        entry.score = replay.score;
    }
    return entry;
}

}  // namespace

ReplayListScreen::ReplayListScreen(Application* application, TextDrawer& textDrawer)
    : TitleSubScreen(application, textDrawer), entries(kept()) {}

std::vector<ReplayListScreen::Entry> ReplayListScreen::kept() {
    std::vector<Entry> found;
    const std::string folder = getFilePath() + "/Replays";
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) {
        return found;
    }
    std::vector<std::string> bests;
    bool hasLast = false;
    while (const dirent* item = readdir(listing)) {
        const std::string name = item->d_name;
        if (name == ReplayShelf::lastName()) {
            hasLast = true;
        } else if (name.rfind(kBestPrefix, 0) == 0 && endsWith(name, kExtension)) {
            bests.push_back(name);
        }
    }
    closedir(listing);
    if (hasLast) {
        found.push_back(entryOf(folder + "/" + ReplayShelf::lastName(), true));
    }
    std::vector<Entry> best;
    for (const std::string& name : bests) {
        best.push_back(entryOf(folder + "/" + name, false));
    }
    // By their numbers, in the table's key order; unreadable ones at the end.
    std::sort(best.begin(), best.end(), [](const Entry& a, const Entry& b) {
        const auto key = [](const Entry& entry) {
            return std::make_tuple(!entry.readable, entry.numbers.leftCivilians,
                                   entry.numbers.rightCivilians, entry.numbers.leftFighters,
                                   entry.numbers.rightFighters, entry.path);
        };
        return key(a) < key(b);
    });
    found.insert(found.end(), best.begin(), best.end());
    return found;
}

void ReplayListScreen::choose(int entry) {
    if (entries.empty()) {
        return;
    }
    chosen = std::clamp(entry, 0, static_cast<int>(entries.size()) - 1);
    firstShown = std::clamp(firstShown, chosen - kRowsShown + 1, chosen);
}

void ReplayListScreen::play() {
    if (!entries.empty() && entries[static_cast<std::size_t>(chosen)].readable) {
        watchRequested = entries[static_cast<std::size_t>(chosen)].path;
    }
}

void ReplayListScreen::act(MenuFocus::Action action) {
    switch (action) {
        case MenuFocus::ActionForward:
            choose(chosen + 1);
            break;
        case MenuFocus::ActionBack:
            choose(chosen - 1);
            break;
        case MenuFocus::ActionPress:
            play();
            break;
        default:
            TitleSubScreen::act(action);
            break;
    }
}

int ReplayListScreen::entryAt(float x, float y) const {
    if (x < kBandLeft || x > kBandRight) {
        return -1;
    }
    for (int row = 0; row < kRowsShown; ++row) {
        const float bottom = kFirstRowY - kBandBelow - static_cast<float>(row) * kRowStep;
        const int entry = firstShown + row;
        if (y >= bottom && y < bottom + kRowStep && entry < static_cast<int>(entries.size())) {
            return entry;
        }
    }
    return -1;
}

void ReplayListScreen::mouseButton(bool down, float x, float y) {
    TitleSubScreen::mouseButton(down, x, y);
    const int entry =
        entryAt(x * Widget::kLogicalWidth / Widget::screenWidth,
                Widget::kLogicalHeight - y * Widget::kLogicalHeight / Widget::screenHeight);
    if (down && entry >= 0) {
        choose(entry);
        play();
    }
}

void ReplayListScreen::mouseWheel(int notches, float /*x*/, float /*y*/) {
    const int last = std::max(0, static_cast<int>(entries.size()) - kRowsShown);
    firstShown = std::clamp(firstShown - notches, 0, last);
    chosen = std::clamp(chosen, firstShown, firstShown + kRowsShown - 1);
}

void ReplayListScreen::drawRow(const Entry& entry, float y) {
    const auto at = [&](const std::string& text, float x, Align align) {
        write(text, x, y, kRowSize, align);
    };
    at(entry.last
           // TRANSLATORS: which replay: fits 300 at 24
           ? tr("last battle")
           // TRANSLATORS: which replay: fits 300 at 24
           : tr("best"),
       kKindLeft, Align::Left);
    if (!entry.readable) {
        // TRANSLATORS: fits 400 at 24
        at(tr("unreadable"), kScoreRight, Align::Right);
        return;
    }
    const StartNumbers& numbers = entry.numbers;
    at(std::to_string(numbers.leftCivilians) + " - " + std::to_string(numbers.rightCivilians),
       kCiviliansMiddle, Align::Centre);
    at(std::to_string(numbers.leftFighters) + " - " + std::to_string(numbers.rightFighters),
       kFightersMiddle, Align::Centre);
    at(std::to_string(entry.score), kScoreRight, Align::Right);
}

void ReplayListScreen::draw() {
    // TRANSLATORS: fits 900 at 72
    drawPanel(tr("replays"));
    if (entries.empty()) {
        // TRANSLATORS: fits 800 at 24
        write(tr("no replays yet: every battle you play is kept."), kMiddle, kEmptyY, kRowSize,
              Align::Centre);
    } else {
        // TRANSLATORS: a column's header: fits 150 at 20
        write(tr("civilians"), kCiviliansMiddle, kHeaderY, kHeaderSize, Align::Centre);
        // TRANSLATORS: a column's header: fits 150 at 20
        write(tr("fighters"), kFightersMiddle, kHeaderY, kHeaderSize, Align::Centre);
        // TRANSLATORS: a column's header: fits 150 at 20
        write(tr("score"), kScoreRight, kHeaderY, kHeaderSize, Align::Right);
        const float bandBottom =
            kFirstRowY - kBandBelow - static_cast<float>(chosen - firstShown) * kRowStep;
        drawBox(kBandLeft, bandBottom, kBandRight, bandBottom + kRowStep, kBandGrey, kBandAlpha);
        for (int row = 0; row < kRowsShown; ++row) {
            const int entry = firstShown + row;
            if (entry >= static_cast<int>(entries.size())) {
                break;
            }
            drawRow(entries[static_cast<std::size_t>(entry)],
                    kFirstRowY - static_cast<float>(row) * kRowStep);
        }
    }
    drawWidgets();
}
