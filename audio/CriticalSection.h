#ifndef TRUCEWARD_AUDIO_CRITICALSECTION_H
#define TRUCEWARD_AUDIO_CRITICALSECTION_H

#include <SDL.h>
#include <SDL_thread.h>

// A non-recursive lock on an SDL semaphore of count 1. The audio hand-offs
// work without it; it is kept for code that needs plain mutual exclusion.
class CriticalSection {
  public:
    CriticalSection();
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;
    ~CriticalSection();

    // Waits for the lock; false at once when the semaphore could not be made.
    bool lock();
    // Only after a successful lock().
    void unlock();

    SDL_sem* semaphore = nullptr;
};

#endif
