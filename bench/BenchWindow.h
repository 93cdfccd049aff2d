#ifndef TRUCEWARD_BENCH_BENCHWINDOW_H
#define TRUCEWARD_BENCH_BENCHWINDOW_H

#include "app/Application.h"

// The one game window every benchmark draws into: 1024 x 768, silent, with the
// main loop's render state, opened on first use and kept until the process
// ends (OpenGL objects do not survive a second window). Needs a display.
Application& benchWindow();

#endif
