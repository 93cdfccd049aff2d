// The lock on an SDL semaphore: mutual exclusion, and no blocking when the
// semaphore could not be made.
#include "audio/CriticalSection.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(CriticalSectionTest, SecondLockWaitsForTheUnlock) {
    CriticalSection section;
    ASSERT_NE(section.semaphore, nullptr);
    ASSERT_TRUE(section.lock());

    std::atomic<bool> entered{false};
    std::thread other([&] {
        EXPECT_TRUE(section.lock());
        entered.store(true);
        section.unlock();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(entered.load());
    section.unlock();
    other.join();
    EXPECT_TRUE(entered.load());
}

TEST(CriticalSectionTest, LockWithoutASemaphoreFailsAtOnce) {
    CriticalSection section;
    // As after a failed creation.
    SDL_DestroySemaphore(section.semaphore);
    section.semaphore = nullptr;

    EXPECT_FALSE(section.lock());
    EXPECT_FALSE(section.lock());
}

}  // namespace
