// LD_PRELOAD shim: the buffer swap waits for the next refresh of a pretend
// display of VSYNC_HZ refreshes a second (60.05 unless set), as a driver with
// vertical sync does, and counts the refreshes that showed no new frame: all
// of them, and those that followed a wait of the game's own (a nanosleep on
// the thread that swaps, since its last swap). Keeps "swaps repeats
// repeats-after-a-wait" in the file named by VSYNC_COUNT_FILE, rewritten
// every 10th swap.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static const double kDefaultHz = 60.05;
static const double kNanosecondsPerSecond = 1e9;

// Whether this thread slept since its last swap.
static __thread int slept;

int nanosleep(const struct timespec* duration, struct timespec* left) {
    static int (*real)(const struct timespec*, struct timespec*);
    if (!real) real = (int (*)(const struct timespec*, struct timespec*))dlsym(RTLD_NEXT, "nanosleep");
    slept = 1;
    return real(duration, left);
}

static long long nanoseconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

static void waitForRefresh(void) {
    static double period;
    static long long origin, last = -1, swaps, repeats, afterWait;
    static int fd = -2;
    if (fd == -2) {
        const char* hz = getenv("VSYNC_HZ");
        const char* file = getenv("VSYNC_COUNT_FILE");
        period = kNanosecondsPerSecond / (hz ? atof(hz) : kDefaultHz);
        fd = file ? open(file, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
        origin = nanoseconds();
    }
    // The first refresh after now: the swap shows the frame then.
    const long long refresh = (long long)((nanoseconds() - origin) / period) + 1;
    const long long at = origin + (long long)(refresh * period);
    const struct timespec wake = {at / 1000000000LL, at % 1000000000LL};
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, NULL);
    if (last >= 0 && refresh > last + 1) {
        repeats += refresh - last - 1;
        afterWait += slept ? refresh - last - 1 : 0;
    }
    last = refresh;
    slept = 0;
    if (fd >= 0 && ++swaps % 10 == 0) {
        char line[96];
        const int n =
            snprintf(line, sizeof line, "%20lld %20lld %20lld\n", swaps, repeats, afterWait);
        pwrite(fd, line, n, 0);
    }
}

void SDL_GL_SwapBuffers(void) {
    static void (*real)(void);
    if (!real) real = (void (*)(void))dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
    real();
    waitForRefresh();
}
