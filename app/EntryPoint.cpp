#include "app/EntryPoint.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/FatalError.h"
#include "app/Settings.h"

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

}  // namespace

extern "C" int SDL_main(int argc, char* argv[]) {
    fillClosedStandardStreams();
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
        Application application(args);
        application.eventLoop();
    } catch (FatalError error) {
        error.display();
        return error.exitStatus;
    }
    return 0;
}
