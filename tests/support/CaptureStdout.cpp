#include "tests/support/CaptureStdout.h"

#include <iostream>

CaptureStdout::CaptureStdout() : previous(std::cout.rdbuf(buffer.rdbuf())) {}

CaptureStdout::~CaptureStdout() {
    std::cout.rdbuf(previous);
}
