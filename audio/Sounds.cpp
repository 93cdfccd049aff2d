#include "audio/Sounds.h"

Sounds* Sounds::getInstance() {
    static Sounds instance;
    return &instance;
}

void Sounds::playSound(SoundType /*type*/, float /*x*/) {}

void Sounds::audioBlock(float* /*output*/, int /*frames*/) {}
