#ifndef TRUCEWARD_APP_APPLICATION_H
#define TRUCEWARD_APP_APPLICATION_H

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ConfigLoader.h"
#include "app/FrameLimiter.h"
#include "app/Gamepad.h"
#include "app/Language.h"
#include "app/Settings.h"
#include "audio/BackgroundMusic.h"
#include "audio/Limiter.h"
#include "audio/PortAudioCallback.h"
#include "audio/PortAudioDevice.h"
#include "graphics/Letterbox.h"
#include "scores/StartNumbers.h"

class GameState;
class Replay;

// The one top-level object of the process: window and OpenGL context, joystick,
// audio output, the current screen, and the main loop that feeds the screen
// its input and draws one frame whenever the event queue is empty.
class Application : public PortAudioCallback {
  public:
    // Which kind of screen is current: a replay is a battle watched.
    enum StateKind { StateTitle = 0, StateBattle = 1, StateReplay = 2 };
    // Where watching a replay goes on to: back to the title when it is left,
    // the end of the game, or (for the title playing by itself) back to the
    // title at any key, click or pad button, or at the replay's end.
    enum AfterWatching { BackToTitle, EndTheGame, BackOnAnyInput };

    // The process arguments without the executable name. Throws FatalError
    // when SDL or the video mode cannot be set up, and after printing the help.
    explicit Application(const std::vector<std::string>& args);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application() override;

    // Sets up OpenGL, then runs frames until a quit is requested, never more
    // than 60 a second.
    void eventLoop();
    // The OpenGL state every screen relies on; once, before the first frame.
    void initGraphics();
    // One pass of the main loop: delivers every queued event to the current
    // state; then, unless a quit was requested, draws and shows one frame.
    // Returns false once a quit was requested. The pace is eventLoop's: a
    // caller of runOnce() decides itself when the next frame comes.
    bool runOnce();
    // Clears the buffers and lets the current state draw (and step) once.
    void draw();
    // Hands one SDL event to the current state, pad and joystick input
    // translated by the gamepad. F11 and Alt+Enter toggle full screen on every
    // screen, and F12 keeps a picture of the window (PictureSaver) once the
    // next frame is drawn, unseen by the state; the pointer reaches the state in picture
    // pixels (a press in a bar reaches it not at all); a window the player
    // resized is set to its new size before the next frame.
    void handleEvent(const SDL_Event& event);

    // Replaces the current state by the other kind, with the start numbers.
    // The calling state is destroyed inside this call. Leaving a battle, the
    // title screen files it (and lastBattle, its recording); leaving a
    // replay, the title screen files nothing, or, for EndTheGame, the game
    // ends (and the state lives on until it does).
    void nextState();
    // Watching a replay, for any screen that offers one (a list of replays,
    // the title screen when idle):
    //
    //     if (!application->watch(path)) { ... the line said why ... }
    //
    // reads the replay file at `path` and plays it through unseen, which
    // takes a moment for a long battle; a file that cannot be played (see
    // ReplayFile::read, ReplayFeed) prints "Could not play PATH: REASON",
    // changes nothing and returns false. Otherwise the battle screen plays
    // the replay (GamePlay, fed from the file, with ReplayViewer's keys) in
    // place of the calling state, which is destroyed inside this call, as in
    // nextState(). Watching files nothing and records nothing: Escape comes
    // back to a title screen with nothing to file, or, after EndTheGame,
    // ends the game. The start numbers are left as they were.
    bool watch(const std::string& path, AfterWatching after = BackToTitle);
    // The same for a replay already read and played through (ReplayVerifier).
    void watch(std::unique_ptr<Replay> replay, AfterWatching after = BackToTitle);
    void setNumbers(const StartNumbers& newNumbers);
    void quit();

    // Volume levels, 0 (silent) to ConfigLoader::kMaximumVolume (as
    // recorded), clamped: each step below the loudest is
    // kDecibelsPerVolumeStep quieter. Main thread, at any time, the music
    // playing or not; heard within a block.
    static constexpr float kDecibelsPerVolumeStep = 3.0f;
    void setEffectsVolume(int level);
    void setMusicVolume(int level);
    // The gain a volume level stands for: 1 at the loudest, 0 at 0.
    static float volumeGain(int level);
    // Into full screen, or back to the window.
    void toggleFullScreen();
    // Sets the video mode the game is in: full screen at the desktop's size,
    // or the window at windowedWidth x windowedHeight; then the picture's
    // place, the render state and, when the OpenGL context did not survive,
    // every texture (their owners upload them again before they next draw).
    // Returns false, changing nothing of ours, when SDL refuses the mode.
    bool setVideoMode();
    // The window is that many pixels: the picture's place in it, the size
    // every screen draws at, and the render state follow.
    void useWindowSize(int windowWidth, int windowHeight);
    // Writes the settings the player changed back to the configuration file,
    // when the game was started without arguments.
    void rememberSettings();
    // The player has laid a brick: the battles stop telling how, from now on
    // and, through the configuration file, in later games too.
    void hintLearned();
    // Speaks the language of `code` from the next frame on (see Language).
    void setLanguage(const std::string& code);

    void getAudio(float* input, float* output, int frames) override;

    PortAudioDevice audioDevice;
    BackgroundMusic backgroundMusic;
    // Audio thread only: keeps the finished blocks within full scale.
    Limiter limiter;
    GameState* currentState = nullptr;
    StateKind stateKind = StateTitle;
    bool quitRequested = false;
    // The window's size in pixels now.
    int width = 0;
    int height = 0;
    bool fullScreen = false;
    // The window's size out of full screen: as started, then as the player
    // last resized it.
    int windowedWidth = 0;
    int windowedHeight = 0;
    // The desktop's size, which full screen takes; 0 when SDL cannot tell.
    int desktopWidth = 0;
    int desktopHeight = 0;
    // Where the 4:3 picture lies in the window; every screen draws in it.
    Letterbox picture;
    // A size the player gave the window, set before the next frame.
    bool resizePending = false;
    // F12 was pressed: the next frame drawn is kept as a picture.
    bool pictureRequested = false;
    // What the system's pointer shows: nothing.
    SDL_Cursor* invisiblePointer = nullptr;
    bool noSound = false;
    bool noMusic = false;
    // The volume levels last set (see setEffectsVolume).
    int effectsVolume = ConfigLoader::kDefaultVolume;
    int musicVolume = ConfigLoader::kDefaultVolume;
    // Whether the player's changes go back to the configuration file: only
    // when the game was started without arguments.
    bool settingsRemembered = false;
    // Whether the last press came from a pad (a button, or the stick pushed)
    // rather than the keyboard or the mouse: what the game tells of its
    // controls follows it.
    bool padInUse = false;
    // Whether a battle still tells which keys lay bricks (see hintLearned).
    bool hintPending = true;
    // The language chosen: a code of Language::choices(), or
    // Language::kAutomatic for the desktop's.
    std::string language = Language::kAutomatic;
    // The file's settings, read at start-up, and what the game started with.
    ConfigLoader config;
    Settings started;
    // Built before SDL starts, which its choice of layout must precede.
    Gamepad gamepad;
    FrameLimiter frameLimiter;
    // The start numbers last given to setNumbers, for the next state.
    StartNumbers numbers;
    // The recording of the battle last left, until the title screen files it.
    std::unique_ptr<Replay> lastBattle;
    // Leaving the replay watched ends the game.
    bool endAfterWatching = false;

  private:
    void setUp(const Settings& settings);
    void requestAttributes(const Settings& settings);
    void openWindow(const Settings& settings);
    void hideSystemPointer();
    // After SDL refused a mode: back to the one before, or, failing that, quit.
    void restoreMode(bool wasFullScreen);
};

#endif
