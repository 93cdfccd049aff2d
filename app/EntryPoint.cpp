#include "app/EntryPoint.h"

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/FatalError.h"
#include "app/Settings.h"
#include "replay/Replay.h"
#include "replay/ReplayVerifier.h"

namespace {

// A standard stream the process was started without would be the next file
// the game opens (the music, the X connection), and the game's messages would
// then be written into that. /dev/null takes its place first.
void fillClosedStandardStreams() {
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) < 0) {
            // open() takes the lowest free descriptor, which is this one.
            if (::open("/dev/null", O_RDWR) < 0) {
                return;
            }
        }
    }
}

// Blocks from this size up are mapped on their own and unmapped when freed.
constexpr int kLargeBlock = 1 << 20;

// Pictures as large as the screen come and go: decoded, uploaded, given back
// when their screen no longer needs them. After the first such block is freed
// glibc would raise its threshold for mapping blocks and put the later ones in
// the heap, where memory freed below the top stays resident. A fixed
// threshold hands every large block back to the system when it is freed.
void returnLargeBlocks() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
#endif
}

}  // namespace

extern "C" int SDL_main(int argc, char* argv[]) {
    fillClosedStandardStreams();
    returnLargeBlocks();
    // Output into a pipe whose reader has gone (truceward | head) must not end
    // the game: the write fails and the game plays on.
    std::signal(SIGPIPE, SIG_IGN);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    try {
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        if (Settings::versionRequested(args)) {
            Settings::printVersion();
            return 0;
        }
        std::string replayPath;
        if (Settings::replayFileRequested(args, "--verify", replayPath)) {
            return ReplayVerifier::verify(replayPath);
        }
        // A file that cannot be played is refused before anything is opened or
        // written. A replay file alone is how a file manager opens one: it plays
        // as with --replay, in the window the configuration file gives.
        std::unique_ptr<Replay> replay;
        const bool opened = Settings::replayFileOpened(args);
        if (opened || Settings::replayFileRequested(args, "--replay", replayPath)) {
            replay = ReplayVerifier::check(opened ? args.front() : replayPath);
            if (replay == nullptr) {
                return 1;
            }
        }
        Application application(opened ? std::vector<std::string>() : args);
        if (replay != nullptr) {
            application.watch(std::move(replay), Application::EndTheGame);
        }
        application.eventLoop();
    } catch (FatalError error) {
        error.display();
        return error.exitStatus;
    }
    return 0;
}
