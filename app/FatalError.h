#ifndef TRUCEWARD_APP_FATALERROR_H
#define TRUCEWARD_APP_FATALERROR_H

#include <string>

// Thrown by the Application constructor when start-up cannot go on (SDL or the
// video mode unavailable, or the help text requested). Caught by value in
// SDL_main, which displays it and still returns 0.
class FatalError {
  public:
    explicit FatalError(const std::string& message);
    FatalError(const FatalError& other) = default;
    ~FatalError() = default;

    // Writes the message and a line end to standard output.
    void display() const;

    std::string message;
};

#endif
