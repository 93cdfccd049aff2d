#ifndef TRUCEWARD_APP_ENTRYPOINT_H
#define TRUCEWARD_APP_ENTRYPOINT_H

// The game's entry function, called by the process entry with the process
// arguments: seeds rand() with the time, builds the Application, runs its main
// loop and destroys it. A FatalError on the way is printed. Always returns 0.
extern "C" int SDL_main(int argc, char* argv[]);

#endif
