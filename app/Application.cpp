#include "app/Application.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/ConfigLoader.h"
#include "app/FatalError.h"
#include "app/GameState.h"
#include "app/PictureSaver.h"
#include "app/SdlStart.h"
#include "app/Settings.h"
#include "audio/Sounds.h"
#include "battle/GamePlay.h"
#include "graphics/GlContext.h"
#include "graphics/ImageDrawer.h"
#include "graphics/Widget.h"
#include "graphics/WindowIcon.h"
#include "replay/Replay.h"
#include "replay/ReplayVerifier.h"
#include "replay/ReplayViewer.h"
#include "title/TitleScreen.h"

namespace {

const char* const kCaption = "Truceward!";

// The numbers the first title screen offers: 32 civilians and 2 fighters a side.
constexpr StartNumbers kFirstNumbers = {32, 2, 32, 2};

struct Attribute {
    SDL_GLattr attribute;
    const char* failure;
};

void setAttribute(const Attribute& request, int value) {
    if (SDL_GL_SetAttribute(request.attribute, value) != 0) {
        std::cout << request.failure << std::endl;
    }
}

const Attribute kMultisampleBuffers = {SDL_GL_MULTISAMPLEBUFFERS,
                                       "Could not set multi sample buffers..."};
const Attribute kMultisampleSamples = {SDL_GL_MULTISAMPLESAMPLES,
                                       "Could not set multi sample samples..."};

// SDL turns SIGINT and SIGTERM into a quit event; a hang-up (the terminal
// closed) must end the game in the same orderly way, not kill it on the spot.
volatile std::sig_atomic_t hangUpReceived = 0;

extern "C" void onHangUp(int /*signal*/) {
    hangUpReceived = 1;
}

// No window is made smaller than this, whatever size it is dragged to.
constexpr int kSmallestSide = 32;

bool isEnter(SDLKey sym) {
    return sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
}

// F11, or Alt with either Enter key.
bool togglesFullScreen(const SDL_keysym& key) {
    return key.sym == SDLK_F11 || (isEnter(key.sym) && (key.mod & KMOD_ALT) != 0);
}

bool isWheel(const SDL_MouseButtonEvent& button) {
    return button.button == SDL_BUTTON_WHEELUP || button.button == SDL_BUTTON_WHEELDOWN;
}

}  // namespace

Application::Application(const std::vector<std::string>& args) : settingsRemembered(args.empty()) {
    startSdl(Settings::multisampleRequested(args, config));
    std::signal(SIGHUP, onHangUp);
    try {
        SDL_WM_SetCaption(kCaption, nullptr);
        setUp(args.empty() ? Settings::fromConfig(config) : Settings::fromOptions(args));
    } catch (const FatalError&) {
        // The destructor does not run for a half-built object: leave SDL as we found it.
        SDL_Quit();
        throw;
    }
}

void Application::setUp(const Settings& settings) {
    started = settings;
    // The file's language only when the file decides, as for every setting.
    language = settingsRemembered ? config.language : Language::kAutomatic;
    Language::use(language);
    windowedWidth = settings.width;
    windowedHeight = settings.height;
    fullScreen = settings.fullscreen;
    noSound = settings.noSound;
    noMusic = settings.noMusic;
    requestAttributes(settings);
    Sounds::getInstance();
    openWindow(settings);

    gamepad.open();

    setEffectsVolume(settings.effectsVolume);
    setMusicVolume(settings.musicVolume);
    audioDevice.setCallback(this);
    audioDevice.setNumChannels(0, 2);
    audioDevice.setSamplerate(PortAudioDevice::kPreferredRate);
    if (!noSound) {
        audioDevice.start();
    }
    // Only now is the stream's rate settled (the device may have fallen back).
    backgroundMusic.checkStreamRate(audioDevice.sampleRate);

    hideSystemPointer();

    hintPending = config.hint;
    // A player new to the game is offered the rules before the war.
    currentState =
        new TitleScreen(this, kFirstNumbers, TitleScreen::FileLastBattle,
                        config.firstStart ? TitleScreen::ItemHowToPlay : TitleScreen::ItemEnterWar);
}

void Application::requestAttributes(const Settings& settings) {
    setAttribute({SDL_GL_RED_SIZE, "Could not set red pixel size to 8..."}, 8);
    setAttribute({SDL_GL_GREEN_SIZE, "Could not set green pixel size to 8..."}, 8);
    setAttribute({SDL_GL_BLUE_SIZE, "Could not set blue pixel size to 8..."}, 8);
    setAttribute({SDL_GL_ALPHA_SIZE, "Could not set alpha pixel size to 8..."}, 8);
    setAttribute({SDL_GL_DEPTH_SIZE, "Could not set depth size to 16..."}, 16);
    setAttribute({SDL_GL_DOUBLEBUFFER, "Could not set double buffering..."}, 1);
    setAttribute({SDL_GL_SWAP_CONTROL, "Could not set vertical sync..."}, 1);
    if (settings.multisample) {
        setAttribute(kMultisampleBuffers, 1);
        setAttribute(kMultisampleSamples, settings.samples);
    }
}

void Application::openWindow(const Settings& settings) {
    WindowIcon::install();
    // Before the first mode is set: the classic SDL 1.2 reports the mode
    // set since, sdl12-compat always the desktop.
    const SDL_VideoInfo* video = SDL_GetVideoInfo();
    if (video != nullptr) {
        desktopWidth = video->current_w;
        desktopHeight = video->current_h;
    }
    if (setVideoMode()) {
        return;
    }
    // Many drivers, and every virtual display, have no multisampled visual:
    // rather than give up on the first start, try once more without it.
    if (settings.multisample) {
        std::cout << "Could not set video mode with multisampling, trying without..." << std::endl;
        setAttribute(kMultisampleBuffers, 0);
        setAttribute(kMultisampleSamples, 0);
        if (setVideoMode()) {
            return;
        }
    }
    throw FatalError(std::string("Could not set video mode: ") + SDL_GetError());
}

void Application::hideSystemPointer() {
    // The title screen draws a pointer of its own. The system's is not hidden
    // but made of nothing: SDL reports the motion of a hidden pointer in a
    // window that holds the input (as a full screen does) only relatively,
    // and the pointer would no longer land where it points.
    constexpr int kSide = 8;
    constexpr int kBitsPerByte = 8;
    static const Uint8 kNothing[kSide * kSide / kBitsPerByte] = {};
    invisiblePointer = SDL_CreateCursor(const_cast<Uint8*>(kNothing), const_cast<Uint8*>(kNothing),
                                        kSide, kSide, 0, 0);
    if (invisiblePointer != nullptr) {
        SDL_SetCursor(invisiblePointer);
    } else {
        SDL_ShowCursor(SDL_DISABLE);
    }
}

bool Application::setVideoMode() {
    const bool desktop = fullScreen && desktopWidth > 0 && desktopHeight > 0;
    const int wantedWidth = desktop ? desktopWidth : windowedWidth;
    const int wantedHeight = desktop ? desktopHeight : windowedHeight;
    const Uint32 flags = SDL_OPENGL | SDL_RESIZABLE | (fullScreen ? SDL_FULLSCREEN : 0);
    const SDL_Surface* surface = SDL_SetVideoMode(wantedWidth, wantedHeight, 0, flags);
    if (surface == nullptr) {
        return false;
    }
    GlContext::videoModeSet();
    // sdl12-compat holds the input in full screen and goes on holding it
    // after: a window lets the pointer go.
    if (!fullScreen) {
        SDL_WM_GrabInput(SDL_GRAB_OFF);
    }
    useWindowSize(surface->w, surface->h);
    return true;
}

void Application::useWindowSize(int windowWidth, int windowHeight) {
    width = windowWidth;
    height = windowHeight;
    picture = Letterbox::fit(width, height);
    // Every screen draws in the picture's pixels and knows nothing of bars.
    Widget::screenWidth = static_cast<float>(picture.width);
    Widget::screenHeight = static_cast<float>(picture.height);
    ImageDrawer::getInstance()->setScreenDimensions(Widget::screenWidth, Widget::screenHeight);
    initGraphics();
}

void Application::toggleFullScreen() {
    fullScreen = !fullScreen;
    // sdl12-compat switches the window and keeps the OpenGL context, but
    // would go on drawing the old size, scaled (blurred) to the new one; the
    // classic SDL 1.2 may refuse. Either way the mode is then set at the
    // window's real size, which sdl12-compat does in the same context, and
    // where the context is new every texture is uploaded again.
    // Leaving full screen, the toggle would first make a window of the
    // screen's size (and tell of it as if the player had resized it): the
    // mode alone goes straight to the window's own size.
    if (fullScreen) {
        SDL_WM_ToggleFullScreen(SDL_GetVideoSurface());
    }
    if (!setVideoMode()) {
        restoreMode(!fullScreen);
    }
}

void Application::restoreMode(bool wasFullScreen) {
    std::cout << "Could not set video mode: " << SDL_GetError() << std::endl;
    fullScreen = wasFullScreen;
    if (!setVideoMode()) {
        // Without a window there is nothing to draw on.
        std::cout << "Could not set video mode: " << SDL_GetError() << std::endl;
        quitRequested = true;
    }
}

Application::~Application() {
    rememberSettings();
    if (!noSound) {
        audioDevice.stop();
    }
    gamepad.close();
    delete currentState;
    currentState = nullptr;
    if (invisiblePointer != nullptr) {
        SDL_FreeCursor(invisiblePointer);
    }
    SDL_Quit();
}

void Application::initGraphics() {
    // The picture's pixels, whatever bars lie beside it.
    glViewport(picture.x, picture.y, picture.width, picture.height);
    glScissor(picture.x, picture.y, picture.width, picture.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, picture.width, 0, picture.height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (picture.hasBars(width, height)) {
        glEnable(GL_SCISSOR_TEST);
    } else {
        glDisable(GL_SCISSOR_TEST);
    }
}

void Application::eventLoop() {
    initGraphics();
    while (runOnce()) {
        frameLimiter.frameShown();
    }
}

bool Application::runOnce() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        handleEvent(event);
    }
    // Dragging an edge sends sizes by the dozen: the last one counts.
    if (resizePending) {
        resizePending = false;
        if (!fullScreen && (windowedWidth != width || windowedHeight != height) &&
            !setVideoMode()) {
            windowedWidth = width;
            windowedHeight = height;
            restoreMode(false);
        }
    }
    if (hangUpReceived != 0) {
        hangUpReceived = 0;
        quitRequested = true;
    }
    if (quitRequested) {
        return false;
    }
    gamepad.lookWhileQuiet(*currentState, SDL_GetTicks());
    draw();
    if (pictureRequested) {
        pictureRequested = false;
        PictureSaver::save(width, height);
    }
    SDL_GL_SwapBuffers();
    return true;
}

void Application::draw() {
    // Nothing is drawn with depth, so only the colours need clearing: the
    // bars black, the picture white (the scissor keeps it to the picture).
    if (picture.hasBars(width, height)) {
        glDisable(GL_SCISSOR_TEST);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glEnable(GL_SCISSOR_TEST);
    }
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    ImageDrawer* images = ImageDrawer::getInstance();
    images->beginBatch();
    currentState->draw();
    images->endBatch();
}

void Application::handleEvent(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN) {
        gamepad.inputSeen(SDL_GetTicks());
        padInUse = false;
    } else if (event.type == SDL_JOYBUTTONDOWN ||
               (event.type == SDL_JOYAXISMOTION &&
                std::abs(static_cast<int>(event.jaxis.value)) > Gamepad::kStickPush)) {
        padInUse = true;
    }
    switch (event.type) {
        case SDL_KEYDOWN:
            if (togglesFullScreen(event.key.keysym)) {
                toggleFullScreen();
            } else if (event.key.keysym.sym == SDLK_F12) {
                pictureRequested = true;
            } else {
                currentState->keyDown(event.key.keysym);
            }
            break;
        case SDL_KEYUP:
            currentState->keyUp(event.key.keysym);
            break;
        case SDL_MOUSEMOTION:
            // Also over a bar, so that whatever the pointer left knows it.
            currentState->mouseMove(picture.pointerX(event.motion.x),
                                    picture.pointerY(event.motion.y, height));
            break;
        case SDL_MOUSEBUTTONDOWN: {
            const float x = picture.pointerX(event.button.x);
            const float y = picture.pointerY(event.button.y, height);
            if (!picture.holds(x, y)) {
                break;
            }
            if (isWheel(event.button)) {
                currentState->mouseWheel(event.button.button == SDL_BUTTON_WHEELUP ? 1 : -1, x, y);
            } else {
                currentState->mouseButton(true, x, y);
            }
            break;
        }
        case SDL_MOUSEBUTTONUP:
            // A notch of the wheel comes as a press and a release: the press
            // alone stands for it. A release over a bar still lets go of
            // whatever was pressed, outside it.
            if (!isWheel(event.button)) {
                currentState->mouseButton(false, picture.pointerX(event.button.x),
                                          picture.pointerY(event.button.y, height));
            }
            break;
        case SDL_VIDEORESIZE:
            // In full screen the window is the screen's; sizes told of then
            // are the window manager's, not the player's.
            if (!fullScreen) {
                windowedWidth = std::max(static_cast<int>(event.resize.w), kSmallestSide);
                windowedHeight = std::max(static_cast<int>(event.resize.h), kSmallestSide);
                resizePending = true;
            }
            break;
        case SDL_JOYAXISMOTION:
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            gamepad.handleEvent(event, *currentState, SDL_GetTicks());
            break;
        case SDL_ACTIVEEVENT:
            // The pointer leaving the window is no loss of focus.
            if (event.active.gain == 0 &&
                (event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0) {
                currentState->focusLost();
            }
            break;
        case SDL_QUIT:
            quitRequested = true;
            break;
        default:
            break;
    }
}

void Application::nextState() {
    if (stateKind == StateReplay && endAfterWatching) {
        quit();
        return;
    }
    delete currentState;
    // The new screen has seen no press of what the pad holds down.
    gamepad.forgetHeld();
    if (stateKind == StateTitle) {
        stateKind = StateBattle;
        GamePlay* battle = new GamePlay(this, numbers);
        battle->showsHint = hintPending;
        currentState = battle;
    } else {
        // What a watched replay left in the game counters is no battle of the player's.
        const TitleScreen::Filing filing =
            stateKind == StateBattle ? TitleScreen::FileLastBattle : TitleScreen::FileNothing;
        stateKind = StateTitle;
        currentState = new TitleScreen(this, numbers, filing);
    }
}

bool Application::watch(const std::string& path, AfterWatching after) {
    std::unique_ptr<Replay> replay = ReplayVerifier::check(path);
    if (replay == nullptr) {
        return false;
    }
    watch(std::move(replay), after);
    return true;
}

void Application::watch(std::unique_ptr<Replay> replay, AfterWatching after) {
    delete currentState;
    gamepad.forgetHeld();
    endAfterWatching = after == EndTheGame;
    stateKind = StateReplay;
    auto* battle = new GamePlay(this, std::move(replay));
    battle->viewer->anyInputLeaves = after == BackOnAnyInput;
    currentState = battle;
}

void Application::setNumbers(const StartNumbers& newNumbers) {
    numbers = newNumbers;
}

void Application::quit() {
    quitRequested = true;
}

float Application::volumeGain(int level) {
    if (level <= 0) {
        return 0.0f;
    }
    const int stepsDown =
        ConfigLoader::kMaximumVolume - std::min(level, ConfigLoader::kMaximumVolume);
    constexpr float kDecibelsPerTenfold = 20.0f;
    return std::pow(10.0f,
                    -kDecibelsPerVolumeStep * static_cast<float>(stepsDown) / kDecibelsPerTenfold);
}

void Application::setEffectsVolume(int level) {
    effectsVolume = std::clamp(level, 0, ConfigLoader::kMaximumVolume);
    // Handed to the audio thread through an atomic: the mixer takes no lock.
    Sounds::getInstance()->setGain(volumeGain(effectsVolume));
}

void Application::setMusicVolume(int level) {
    musicVolume = std::clamp(level, 0, ConfigLoader::kMaximumVolume);
    backgroundMusic.setGain(volumeGain(musicVolume));
}

void Application::rememberSettings() {
    if (!settingsRemembered) {
        return;
    }
    // The file gets what the player last chose, measured against what it holds
    // now: a value changed back after a save is a change too. Only a size the
    // game put in place of an unusable one (a width of 0) stays the file's
    // own for as long as the window keeps it.
    const auto remember = [](int now, int startedWith, int& field) {
        if (now != startedWith || Settings::showableSide(field)) {
            field = now;
        }
    };
    remember(windowedWidth, started.width, config.width);
    remember(windowedHeight, started.height, config.height);
    config.fullscreen = fullScreen;
    config.effectsVolume = effectsVolume;
    config.musicVolume = musicVolume;
    config.hint = hintPending;
    config.language = language;
    config.save();
}

void Application::setLanguage(const std::string& code) {
    language = code;
    Language::use(code);
}

void Application::hintLearned() {
    if (hintPending) {
        hintPending = false;
        rememberSettings();
    }
}

void Application::getAudio(float* /*input*/, float* output, int frames) {
    std::memset(output, 0, sizeof(float) * 2 * static_cast<size_t>(frames));
    // The stream's rate was settled before its first block and stays.
    if (!noMusic && backgroundMusic.playsAt(audioDevice.sampleRate)) {
        backgroundMusic.audioBlock(output, frames);
    }
    Sounds::getInstance()->audioBlock(output, frames);
    limiter.process(output, frames);
}
