#include "app/EntryPoint.h"

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/FatalError.h"
#include "app/Settings.h"

extern "C" int SDL_main(int argc, char* argv[]) {
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
    }
    return 0;
}
