#ifndef TRUCEWARD_AUDIO_THREAD_H
#define TRUCEWARD_AUDIO_THREAD_H

#include <SDL.h>
#include <SDL_thread.h>

// Base of anything that runs a loop on a thread of its own. A thread is
// started at most once; the destructor joins it but does not ask it to stop,
// so a derived class must make run() return before its own destruction ends.
class Thread {
  public:
    Thread() = default;
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    virtual ~Thread();

    // The thread's body; its result becomes the thread's exit status (1 or 0).
    virtual bool run() = 0;

    // Starts a thread running target->run(), unless this object has one
    // already. A failure is printed and execution goes on without the thread.
    void startThread(Thread* target);

    // Waits for a started thread to end and lets its handle go; nothing when
    // no thread runs. For a derived class that must be sure its run() is over
    // before it releases what run() uses (this destructor comes too late).
    // The object cannot start another thread afterwards.
    void joinThread();

    static int threadMethod(void* target);

    // Null until a thread has been started, and again once it was joined.
    SDL_Thread* thread = nullptr;

  private:
    bool joined = false;
};

#endif
