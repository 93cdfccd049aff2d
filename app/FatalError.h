#ifndef TRUCEWARD_APP_FATALERROR_H
#define TRUCEWARD_APP_FATALERROR_H

#include <string>

// Thrown by the Application constructor when start-up cannot go on (SDL or the
// video mode unavailable, or the help text requested). Caught by value in
// SDL_main, which displays it and ends the process with its exit status.
class FatalError {
  public:
    // A real failure: the shell and the desktop must be able to tell.
    static constexpr int kFailureStatus = 1;
    // Start-up ended on purpose, as after the help text.
    static constexpr int kSuccessStatus = 0;

    explicit FatalError(const std::string& message, int exitStatus = kFailureStatus);
    FatalError(const FatalError& other) = default;
    ~FatalError() = default;

    // Writes the message and a line end to standard output.
    void display() const;

    std::string message;
    int exitStatus;
};

#endif
