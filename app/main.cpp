// The process entry: on Linux there is no launcher to prepare, so it hands the
// arguments straight to the game's entry function.
#include "app/EntryPoint.h"

int main(int argc, char* argv[]) {
    return SDL_main(argc, argv);
}
