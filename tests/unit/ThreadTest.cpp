// The thread wrapper: one thread per object at most, the result of run() as
// its exit status, and a destructor that joins.
#include "audio/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace {

// Counts how often run() starts, and returns `result` once told to.
class CountingThread : public Thread {
  public:
    explicit CountingThread(bool result) : result(result) {}
    // run() must be over before this object stops being a CountingThread.
    ~CountingThread() override {
        release.store(true);
        joinThread();
    }

    bool run() override {
        runs.fetch_add(1);
        while (!release.load()) {
            SDL_Delay(1);
        }
        return result;
    }

    // Lets run() return and collects the thread's exit status.
    int finish() {
        release.store(true);
        int status = -1;
        SDL_WaitThread(thread, &status);
        thread = nullptr;
        return status;
    }

    std::atomic<int> runs{0};
    std::atomic<bool> release{false};
    bool result;
};

TEST(ThreadTest, StartedTwiceRunsOnce) {
    CountingThread counting(true);
    counting.startThread(&counting);
    SDL_Thread* first = counting.thread;
    ASSERT_NE(first, nullptr);
    counting.startThread(&counting);
    EXPECT_EQ(counting.thread, first);

    counting.finish();
    EXPECT_EQ(counting.runs.load(), 1);
}

TEST(ThreadTest, RunResultBecomesTheExitStatus) {
    CountingThread succeeding(true);
    succeeding.startThread(&succeeding);
    EXPECT_EQ(succeeding.finish(), 1);

    CountingThread failing(false);
    failing.startThread(&failing);
    EXPECT_EQ(failing.finish(), 0);
}

TEST(ThreadTest, NeverStartedThreadIsDestroyedAtOnce) {
    const auto start = std::chrono::steady_clock::now();
    {
        CountingThread idle(true);
        EXPECT_EQ(idle.thread, nullptr);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(ThreadTest, JoinedThreadIsNotStartedAgain) {
    CountingThread counting(true);
    counting.startThread(&counting);
    counting.release.store(true);
    counting.joinThread();
    EXPECT_EQ(counting.thread, nullptr);

    counting.startThread(&counting);
    EXPECT_EQ(counting.thread, nullptr);
    EXPECT_EQ(counting.runs.load(), 1);
}

}  // namespace
