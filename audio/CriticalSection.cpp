#include "audio/CriticalSection.h"

#include <iostream>

CriticalSection::CriticalSection() : semaphore(SDL_CreateSemaphore(1)) {
    if (semaphore == nullptr) {
        std::cout << "Critical Section: Could not create semaphore!" << std::endl;
    }
}

CriticalSection::~CriticalSection() {
    if (semaphore != nullptr) {
        SDL_DestroySemaphore(semaphore);
    }
}

bool CriticalSection::lock() {
    return semaphore != nullptr && SDL_SemWait(semaphore) == 0;
}

void CriticalSection::unlock() {
    if (semaphore != nullptr) {
        SDL_SemPost(semaphore);
    }
}
