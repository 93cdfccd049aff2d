#include "title/SettingsScreen.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/Application.h"
#include "app/Language.h"
#include "app/Translation.h"
#include "audio/Sounds.h"
#include "graphics/Button.h"
#include "graphics/ImageDrawer.h"
#include "graphics/TextDrawer.h"
#include "title/BarButton.h"

namespace {

// The layout, in logical units: for each line its label, right-aligned, and
// its value in a dark box between two arrows.
constexpr float kLabelRight = 480.0f;
constexpr float kLabelSize = 24.0f;
constexpr float kLessX = 510.0f;
constexpr float kMoreX = 830.0f;
constexpr float kArrowSize = 64.0f;
constexpr float kLineY[] = {490.0f, 420.0f, 350.0f, 280.0f};
// The ink of a line's arrows and box, for the glow around it.
constexpr float kLineInkLeft = 517.0f;
constexpr float kLineInkBottom = 9.0f;
// The value's box between the arrows, and where its text stands above the
// arrows' lower edge.
constexpr float kBoxLeft = 580.0f;
constexpr float kBoxRight = 824.0f;
constexpr float kBoxBottom = 8.0f;
constexpr float kBoxTop = 56.0f;
constexpr float kBoxGrey = 0.0f;
constexpr float kBoxAlpha = 0.45f;
constexpr float kValueCentreX = (kBoxLeft + kBoxRight) / 2.0f;
constexpr float kValueRise = 20.0f;
constexpr float kValueSize = 24.0f;
// The value's ink keeps this far inside either end of its box.
constexpr float kValueInset = 6.0f;

// Between the last line and BACK.
constexpr float kRunOnlyY = 220.0f;
constexpr float kRunOnlySize = 18.0f;

const char* const kLabels[] = {
    // TRANSLATORS: a setting's label: fits 340 at 24
    noTr("effects"),
    // TRANSLATORS: a setting's label: fits 340 at 24
    noTr("music"),
    // TRANSLATORS: a setting's label: fits 340 at 24
    noTr("full screen"),
    // TRANSLATORS: a setting's label: fits 340 at 24
    noTr("language"),
};

// The effect played when the effects' volume changes, from the middle.
constexpr float kSampleEffectX = Sounds::kFieldWidth / 2.0f;

}  // namespace

SettingsScreen::SettingsScreen(Application* application, TextDrawer& textDrawer)
    : TitleSubScreen(application, textDrawer),
      arrows([this](int line, int step) { stepLine(line, step); }),
      focus(kLineCount, LineEffects, [this](int line, int step) { stepLine(line, step); }) {
    for (int line = LineEffects; line <= LineLanguage; ++line) {
        for (const int direction : {-1, 1}) {
            widgets.push_back(arrows.add(direction > 0 ? kMoreX : kLessX, kLineY[line], kArrowSize,
                                         line, direction, this));
        }
    }
}

SettingsScreen::~SettingsScreen() {
    // Seldom seen, as the panel is.
    ImageDrawer::getInstance()->release({ImageDrawer::ImageFocusLine});
}

int SettingsScreen::languageIndex() const {
    if (application->language == Language::kAutomatic) {
        return 0;
    }
    // A code the game does not know is spoken as English, and shown so.
    const std::vector<Language::Choice>& choices = Language::choices();
    for (const std::string& code : {application->language, Language::current()}) {
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (code == choices[i].code) {
                return static_cast<int>(i) + 1;
            }
        }
    }
    return 0;
}

void SettingsScreen::stepLine(int line, int step) {
    switch (line) {
        case LineEffects:
            // The application keeps a volume within its range.
            application->setEffectsVolume(application->effectsVolume + step);
            Sounds::getInstance()->playSound(Sounds::SoundBrickPuff, kSampleEffectX);
            break;
        case LineMusic:
            application->setMusicVolume(application->musicVolume + step);
            break;
        case LineFullScreen:
            if (application->fullScreen != (step > 0)) {
                application->toggleFullScreen();
            }
            break;
        case LineLanguage: {
            const int last = static_cast<int>(Language::choices().size());
            const int index = std::clamp(languageIndex() + step, 0, last);
            application->setLanguage(index == 0 ? Language::kAutomatic
                                                : Language::choices()[index - 1].code);
            break;
        }
        default:
            break;
    }
}

void SettingsScreen::buttonClicked(Button* button) {
    if (!arrows.clicked(button)) {
        TitleSubScreen::buttonClicked(button);
    }
}

void SettingsScreen::act(MenuFocus::Action action) {
    if (focus.take(action, SDL_GetTicks())) {
        return;
    }
    if (action == MenuFocus::ActionPress && focus.current() == LineBack) {
        finished = true;
    } else if (action == MenuFocus::ActionPress && focus.current() == LineFullScreen) {
        application->toggleFullScreen();
    } else {
        TitleSubScreen::act(action);
    }
}

void SettingsScreen::keyUp(const SDL_keysym& key) {
    focus.keyUp(key);
}

void SettingsScreen::focusLost() {
    focus.release();
    arrows.release();
}

void SettingsScreen::drawLines() {
    const int language = languageIndex();
    const std::string values[] = {
        std::to_string(application->effectsVolume),
        std::to_string(application->musicVolume),
        application->fullScreen
            // TRANSLATORS: full screen's value: fits 230 at 24
            ? tr("on")
            // TRANSLATORS: full screen's value: fits 230 at 24
            : tr("off"),
        // TRANSLATORS: the language that follows the desktop's: fits 230 at 24
        language == 0 ? tr("automatic") : Language::choices()[language - 1].name,
    };
    for (const float y : kLineY) {
        drawBox(kBoxLeft, y + kBoxBottom, kBoxRight, y + kBoxTop, kBoxGrey, kBoxAlpha);
    }
    for (int line = LineEffects; line <= LineLanguage; ++line) {
        const float y = kLineY[line] + kValueRise;
        write(tr(kLabels[line]), kLabelRight, y, kLabelSize, Align::Right);
        // A language's own name may be longer than the box (a catalog added
        // later is not measured here): it is lettered smaller, on the same
        // middle, rather than run over the arrows. The font scales alike
        // across and up, so the logical size measures logical units.
        const float room = kBoxRight - kBoxLeft - 2.0f * kValueInset;
        const float wide = textDrawer.textWidth(values[line], kValueSize);
        const float size = wide > room ? kValueSize * room / wide : kValueSize;
        write(values[line], kValueCentreX, y + (kValueSize - size) / 2.0f, size, Align::Centre);
    }
    if (!application->settingsRemembered) {
        // TRANSLATORS: fits 800 at 18
        write(tr("changes last for this run only"), kMiddle, kRunOnlyY, kRunOnlySize,
              Align::Centre);
    }
}

void SettingsScreen::draw() {
    const std::uint32_t now = SDL_GetTicks();
    arrows.follow(now);
    focus.follow(now);
    // TRANSLATORS: fits 900 at 72
    drawPanel(tr("settings"));
    drawLines();
    drawWidgets();
    if (focus.current() == LineBack) {
        MenuFocus::drawGlow(ImageDrawer::ImageFocusBar, kBarInkLeft, kBarInkBottom);
    } else {
        MenuFocus::drawGlow(ImageDrawer::ImageFocusLine, kLineInkLeft,
                            kLineY[focus.current()] + kLineInkBottom);
    }
}
