#include "audio/BackgroundMusic.h"

BackgroundMusic::BackgroundMusic() = default;

BackgroundMusic::~BackgroundMusic() = default;

void BackgroundMusic::audioBlock(float* /*output*/, int /*frames*/) {}

bool BackgroundMusic::run() {
    return true;
}

std::string BackgroundMusic::getSoundsPath() {
    return "";
}
