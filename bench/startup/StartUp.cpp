// Start-up to the first frame, measured once per process (images are
// uploaded once per process, so a second start in the same process would not
// count them): the application's construction (music decoded ahead and its
// thread, configuration, SDL, the window, the sound effects decoded, the
// first title screen, the small images uploaded) and the first frame (the
// title's artwork decoded and uploaded) drawn and shown. Prints the
// milliseconds. The shut-down, with its deliberate pause for the music
// thread, is not timed. The game starts as on a first start, in a temporary
// HOME of its own.
#include <GL/gl.h>

#include <chrono>
#include <cstdio>

#include "app/Application.h"
#include "app/FatalError.h"
#include "tests/support/TempHome.h"

int main() {
    const TempHome home;
    const auto start = std::chrono::steady_clock::now();
    try {
        Application application({"-w", "1024", "-h", "768", "-nm"});
        application.initGraphics();
        application.runOnce();
        glFinish();
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        std::fprintf(stderr, "start-up to first frame: %.1f ms\n", elapsed.count());
    } catch (const FatalError& error) {
        error.display();
        return 1;
    }
    return 0;
}
