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
#include "app/Settings.h"
#include "audio/Sounds.h"
#include "battle/GamePlay.h"
#include "graphics/ImageDrawer.h"
#include "graphics/Widget.h"
#include "graphics/WindowIcon.h"
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

// Without a display, SDL on top of SDL 2 quietly falls back to a driver that
// draws nowhere, and the game would run unseen with no way to quit it. Unless
// such a driver was asked for by name, that counts as no video device, as it
// does with the classic SDL 1.2.
bool onlyInvisibleVideo() {
    char name[32] = {};
    if (SDL_VideoDriverName(name, sizeof name) == nullptr) {
        return false;
    }
    const std::string driver = name;
    if (driver != "offscreen" && driver != "dummy") {
        return false;
    }
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return requested == nullptr || driver != requested;
}

bool displayNamed() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
}

// SDL with timer, video and joystick, on a video driver that shows something.
// A display that is named but does not answer in time makes SDL fall back as
// if there were none; one more try after a moment tells a busy display from
// a missing one.
void initialiseSdl() {
    constexpr Uint32 kSystems = SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK;
    constexpr Uint32 kDisplayRetryDelayMs = 250;
    for (int attempt = 1;; ++attempt) {
        if (SDL_Init(kSystems) < 0) {
            throw FatalError(std::string("Could not initialise SDL: ") + SDL_GetError());
        }
        if (!onlyInvisibleVideo()) {
            return;
        }
        SDL_Quit();
        if (attempt > 1 || !displayNamed()) {
            throw FatalError("Could not initialise SDL: No available video device");
        }
        SDL_Delay(kDisplayRetryDelayMs);
    }
}

// SDL turns SIGINT and SIGTERM into a quit event; a hang-up (the terminal
// closed) must end the game in the same orderly way, not kill it on the spot.
volatile std::sig_atomic_t hangUpReceived = 0;

extern "C" void onHangUp(int /*signal*/) {
    hangUpReceived = 1;
}

bool isWheel(const SDL_MouseButtonEvent& button) {
    return button.button == SDL_BUTTON_WHEELUP || button.button == SDL_BUTTON_WHEELDOWN;
}

}  // namespace

Application::Application(const std::vector<std::string>& args) : settingsRemembered(args.empty()) {
    initialiseSdl();
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
    fullScreen = settings.fullscreen;
    width = settings.width;
    height = settings.height;
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

    // The title screen draws a pointer of its own.
    SDL_ShowCursor(SDL_DISABLE);
    Widget::screenWidth = static_cast<float>(width);
    Widget::screenHeight = static_cast<float>(height);

    currentState = new TitleScreen(this, kFirstNumbers);
    ImageDrawer::getInstance()->setScreenDimensions(static_cast<float>(width),
                                                    static_cast<float>(height));
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
    const Uint32 flags = SDL_OPENGL | (settings.fullscreen ? SDL_FULLSCREEN : 0);
    if (SDL_SetVideoMode(width, height, 0, flags) != nullptr) {
        return;
    }
    // Many drivers, and every virtual display, have no multisampled visual:
    // rather than give up on the first start, try once more without it.
    if (settings.multisample) {
        std::cout << "Could not set video mode with multisampling, trying without..." << std::endl;
        setAttribute(kMultisampleBuffers, 0);
        setAttribute(kMultisampleSamples, 0);
        if (SDL_SetVideoMode(width, height, 0, flags) != nullptr) {
            return;
        }
    }
    throw FatalError(std::string("Could not set video mode: ") + SDL_GetError());
}

Application::~Application() {
    rememberSettings();
    if (!noSound) {
        audioDevice.stop();
    }
    gamepad.close();
    delete currentState;
    currentState = nullptr;
    SDL_Quit();
}

void Application::initGraphics() {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, width, 0, height);
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
    if (hangUpReceived != 0) {
        hangUpReceived = 0;
        quitRequested = true;
    }
    if (quitRequested) {
        return false;
    }
    gamepad.lookWhileQuiet(*currentState, SDL_GetTicks());
    draw();
    SDL_GL_SwapBuffers();
    return true;
}

void Application::draw() {
    // Nothing is drawn with depth, so only the colours need clearing.
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
    }
    switch (event.type) {
        case SDL_KEYDOWN:
            currentState->keyDown(event.key.keysym);
            break;
        case SDL_KEYUP:
            currentState->keyUp(event.key.keysym);
            break;
        case SDL_MOUSEMOTION:
            currentState->mouseMove(event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (isWheel(event.button)) {
                currentState->mouseWheel(event.button.button == SDL_BUTTON_WHEELUP ? 1 : -1,
                                         event.button.x, event.button.y);
            } else {
                currentState->mouseButton(true, event.button.x, event.button.y);
            }
            break;
        case SDL_MOUSEBUTTONUP:
            // A notch of the wheel comes as a press and a release: the press
            // alone stands for it.
            if (!isWheel(event.button)) {
                currentState->mouseButton(false, event.button.x, event.button.y);
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
    delete currentState;
    // The new screen has seen no press of what the pad holds down.
    gamepad.forgetHeld();
    if (stateKind == StateTitle) {
        stateKind = StateBattle;
        currentState = new GamePlay(this, numbers);
    } else {
        stateKind = StateTitle;
        currentState = new TitleScreen(this, numbers);
    }
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
    const int stepsDown = kLoudestVolume - std::min(level, kLoudestVolume);
    constexpr float kDecibelsPerTenfold = 20.0f;
    return std::pow(10.0f,
                    -kDecibelsPerVolumeStep * static_cast<float>(stepsDown) / kDecibelsPerTenfold);
}

void Application::setEffectsVolume(int level) {
    effectsVolume = std::clamp(level, 0, kLoudestVolume);
    // Handed to the audio thread through an atomic: the mixer takes no lock.
    Sounds::getInstance()->setGain(volumeGain(effectsVolume));
}

void Application::setMusicVolume(int level) {
    musicVolume = std::clamp(level, 0, kLoudestVolume);
    backgroundMusic.setGain(volumeGain(musicVolume));
}

void Application::toggleFullScreen() {
    if (SDL_WM_ToggleFullScreen(SDL_GetVideoSurface()) != 0) {
        fullScreen = !fullScreen;
    }
}

void Application::rememberSettings() {
    if (!settingsRemembered) {
        return;
    }
    // Only what the player changed goes back: a value the game put in place
    // of an unusable one (a width of 0) stays the file's own.
    const auto remember = [](int now, int startedWith, int& field) {
        if (now != startedWith) {
            field = now;
        }
    };
    remember(width, started.width, config.width);
    remember(height, started.height, config.height);
    if (fullScreen != started.fullscreen) {
        config.fullscreen = fullScreen;
    }
    remember(effectsVolume, started.effectsVolume, config.effectsVolume);
    remember(musicVolume, started.musicVolume, config.musicVolume);
    config.save();
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
