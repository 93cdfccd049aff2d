#include "replay/ReplayVerifier.h"

#include <iostream>

#include "battle/GamePlay.h"
#include "replay/ReplayFeed.h"
#include "replay/ReplayFile.h"

bool ReplayVerifier::playThrough(const Replay& replay, int& score, std::string& reason) {
    GamePlay battle(nullptr, replay.numbers, replay.seed);
    battle.silent = true;
    battle.recording.reset();
    ReplayFeed feed(replay, battle);
    if (!feed.playToTheEnd()) {
        reason = feed.failure();
        return false;
    }
    score = ReplayFeed::score();
    return true;
}

std::unique_ptr<Replay> ReplayVerifier::check(const std::string& path, int* reached) {
    auto replay = std::make_unique<Replay>();
    std::string reason;
    int score = 0;
    if (!ReplayFile::read(path, *replay, reason) || !playThrough(*replay, score, reason)) {
        std::cout << ReplayFile::refusal(path, reason) << std::endl;
        return nullptr;
    }
    if (reached != nullptr) {
        *reached = score;
    }
    return replay;
}

int ReplayVerifier::verify(const std::string& path) {
    int score = 0;
    const std::unique_ptr<Replay> replay = check(path, &score);
    if (replay == nullptr) {
        return 1;
    }
    const StartNumbers& numbers = replay->numbers;
    std::cout << path << ": " << numbers.leftCivilians << " " << numbers.rightCivilians << " "
              << numbers.leftFighters << " " << numbers.rightFighters << ", score " << score;
    if (score == replay->score) {
        std::cout << ": as recorded" << std::endl;
        return 0;
    }
    std::cout << ", the file says " << replay->score << std::endl;
    return 1;
}
