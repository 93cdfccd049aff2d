#include "replay/DemoReplay.h"

#include <iostream>

#include "assets/Demos.h"
#include "replay/Replay.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayVerifier.h"

namespace {

const char* const kName = "the demonstration";

}  // namespace

std::string DemoReplay::bytes() {
    return std::string(reinterpret_cast<const char*>(Demos::demo_twreplay),
                       Demos::demo_twreplay_len);
}

std::unique_ptr<Replay> DemoReplay::load() {
    auto replay = std::make_unique<Replay>();
    std::string reason;
    int score = 0;
    if (!ReplayFile::decode(bytes(), *replay, reason) ||
        !ReplayVerifier::playThrough(*replay, score, reason)) {
        std::cout << ReplayFile::refusal(kName, reason) << std::endl;
        return nullptr;
    }
    return replay;
}
