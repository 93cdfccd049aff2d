// soundgen: makes the game's sound files, or checks them.
//
//   soundgen DIRECTORY          writes shot.ogg, personDying.ogg,
//                               brickPuff.ogg and music.ogg into DIRECTORY
//   soundgen --check DIRECTORY  decodes the four files there and checks
//                               them; exits with 1 if any check fails
#include <iostream>
#include <string>

#include "app/SoundGenerator.h"
#include "check/SoundChecker.h"

namespace {
int usage() {
    std::cerr << "usage: soundgen DIRECTORY\n"
                 "       soundgen --check DIRECTORY\n";
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--check") {
        SoundChecker checker(std::cout);
        const bool ok = checker.checkDirectory(argv[2]);
        std::cout << (ok ? "all sound files pass\n" : "sound files FAIL\n");
        return ok ? 0 : 1;
    }
    if (argc != 2 || std::string(argv[1]).rfind("--", 0) == 0) {
        return usage();
    }
    SoundGenerator generator(std::cout);
    return generator.generate(argv[1]) ? 0 : 1;
}
