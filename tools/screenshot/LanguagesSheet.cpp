#include "tools/screenshot/LanguagesSheet.h"

#include <algorithm>
#include <vector>

#include "app/Application.h"
#include "app/Language.h"
#include "graphics/TextDrawer.h"
#include "title/HowToPlayScreen.h"
#include "title/SettingsScreen.h"
#include "title/TitleScreen.h"
#include "tools/screenshot/Frame.h"
#include "tools/screenshot/Lettering.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kScreens = 3;
constexpr int kMargin = 16;
constexpr int kLabelSize = 20;
constexpr int kLabelGap = 6;
// A moment of the live battle, the same in every language.
constexpr int kLiveFrames = 90;

Frame shown(Application& application, GameState* state, int frames = 1) {
    application.currentState = state;
    for (int frame = 0; frame < frames; ++frame) {
        application.draw();
    }
    return Frame::read(kWidth, kHeight).halved();
}

}  // namespace

bool takeLanguagesSheet(Application& application, const std::string& path) {
    GameState* const title = application.currentState;
    const std::string spoken = application.language;
    TextDrawer text;
    std::vector<std::vector<Frame>> rows;
    std::vector<std::string> names;
    for (const Language::Choice& choice : Language::choices()) {
        application.setLanguage(choice.code);
        application.useWindowSize(kWidth, kHeight);
        TitleScreen titleScreen(&application, {32, 2, 32, 2}, TitleScreen::FileNothing);
        SettingsScreen settings(&application, text);
        HowToPlayScreen howToPlay(&application, text);
        rows.push_back({shown(application, &titleScreen), shown(application, &settings),
                        shown(application, &howToPlay, kLiveFrames)});
        names.push_back(choice.name);
    }
    application.currentState = title;
    application.setLanguage(spoken);

    const int cell = rows.front().front().width;
    const int tall = rows.front().front().height;
    const int rowHeight = kLabelSize + kLabelGap + tall + kMargin;
    Frame sheet(kMargin + kScreens * (cell + kMargin),
                kMargin + static_cast<int>(rows.size()) * rowHeight, kSheetColour);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int top = kMargin + static_cast<int>(row) * rowHeight;
        sheet.paste(lettered(application, text, names[row].c_str(), kLabelSize), kMargin, top);
        for (int screen = 0; screen < kScreens; ++screen) {
            sheet.paste(rows[row][static_cast<std::size_t>(screen)],
                        kMargin + screen * (cell + kMargin), top + kLabelSize + kLabelGap);
        }
    }
    application.useWindowSize(kWidth, kHeight);
    return sheet.writePng(path);
}
