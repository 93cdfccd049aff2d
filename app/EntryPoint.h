#ifndef TRUCEWARD_APP_ENTRYPOINT_H
#define TRUCEWARD_APP_ENTRYPOINT_H

// The game's entry function, called by the process entry with the process
// arguments: makes the process safe to run whatever it was started with
// (standard streams closed, output into a pipe that closes), seeds rand() with
// the time, builds the Application, runs its main loop and destroys it.
// Returns 0, or a FatalError's exit status after printing it.
extern "C" int SDL_main(int argc, char* argv[]);

#endif
