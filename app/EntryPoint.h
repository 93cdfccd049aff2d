#ifndef TRUCEWARD_APP_ENTRYPOINT_H
#define TRUCEWARD_APP_ENTRYPOINT_H

// The game's entry function, called by the process entry with the process
// arguments: makes the process safe to run whatever it was started with
// (standard streams closed, output into a pipe that closes), seeds rand() with
// the time, builds the Application, runs its main loop and destroys it.
// Returns 0, or a FatalError's exit status after printing it. "--verify FILE"
// checks a replay file without building the Application (ReplayVerifier);
// "--replay FILE" checks it first too, and builds the Application only for a
// file it can play, watching it until Escape ends the game. Either returns 1
// for a file it cannot play.
extern "C" int SDL_main(int argc, char* argv[]);

#endif
