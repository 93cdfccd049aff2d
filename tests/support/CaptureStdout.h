#ifndef TRUCEWARD_TESTS_SUPPORT_CAPTURESTDOUT_H
#define TRUCEWARD_TESTS_SUPPORT_CAPTURESTDOUT_H

#include <sstream>
#include <streambuf>
#include <string>

// Collects what the game prints on std::cout while the object lives.
class CaptureStdout {
  public:
    CaptureStdout();
    CaptureStdout(const CaptureStdout&) = delete;
    CaptureStdout& operator=(const CaptureStdout&) = delete;
    ~CaptureStdout();

    std::string text() const { return buffer.str(); }

  private:
    std::ostringstream buffer;
    std::streambuf* previous;
};

#endif
