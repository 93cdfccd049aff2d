#include "audio/Thread.h"

#include <iostream>

Thread::~Thread() {
    joinThread();
}

void Thread::joinThread() {
    if (thread != nullptr) {
        SDL_WaitThread(thread, nullptr);
        thread = nullptr;
        joined = true;
    }
}

void Thread::startThread(Thread* target) {
    if (thread != nullptr || joined) {
        return;
    }
    thread = SDL_CreateThread(&Thread::threadMethod, target);
    if (thread == nullptr) {
        std::cout << "Could not create thread.  Assuming this is a fatal error..." << std::endl;
    }
}

int Thread::threadMethod(void* target) {
    return static_cast<Thread*>(target)->run() ? 1 : 0;
}
