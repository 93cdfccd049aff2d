#include "people/Person.h"

#include <algorithm>
#include <cmath>

#include "graphics/ImageDrawer.h"
#include "people/AlertLook.h"
#include "people/PersonBehaviour.h"

namespace {

// The ring pulses between 0.75 and 1 of its size.
constexpr float kPulseMiddle = 0.875f;
constexpr float kPulseDepth = 0.125f;
constexpr float kPulseStep = 0.05f;
constexpr float kTwoPi = 6.2831855f;
// The ring is centred this far above the centre of the person's sprite.
constexpr float kCircleRaise = 16.0f;

enum ColourIndex { kRed = 0, kGreen, kBlue, kAlpha };

}  // namespace

Person::~Person() {
    delete behaviour;
}

void Person::setBehaviour(PersonBehaviour* next) {
    delete behaviour;
    behaviour = next;
    if (next != nullptr) {
        next->person = this;
    }
}

void Person::tick() {
    if (behaviour != nullptr) {
        behaviour->tick();
    }
}

void Person::draw() {
    show();
    advanceUnseen();
}

void Person::show() {
    if (behaviour == nullptr) {
        return;
    }
    if (alert > 0) {
        showCircle();
    }
    behaviour->draw();
}

void Person::advanceUnseen() {
    if (behaviour == nullptr) {
        return;
    }
    if (alert > 0) {
        advanceCircle();
        --alert;
    }
}

void Person::showCircle() const {
    float alpha = circleColour[kAlpha];
    if (alert < kAlertFade) {
        alpha *= static_cast<float>(alert) / static_cast<float>(kAlertFade);
    }
    const float scale = kPulseMiddle + kPulseDepth * std::sin(circlePhase);
    ImageDrawer::getInstance()->drawImage(ring, x, y + kCircleRaise, scale, scale,
                                          circleColour[kRed], circleColour[kGreen],
                                          circleColour[kBlue], alpha);
}

void Person::advanceCircle() {
    circlePhase += kPulseStep;
    if (circlePhase > kTwoPi) {
        circlePhase -= kTwoPi;
    }
}

void Person::setCircleColour(float red, float green, float blue, float alpha) {
    circleColour[kRed] = red;
    circleColour[kGreen] = green;
    circleColour[kBlue] = blue;
    circleColour[kAlpha] = alpha;
}

void Person::raiseAlert(const AlertLook& look, int frames) {
    setCircleColour(look.red, look.green, look.blue, look.alpha);
    ring = look.ring;
    setAlert(frames);
}

void Person::setAlert(int frames) {
    alert = frames + kAlertFade;
}

int Person::getAlert() const {
    return alert >= kAlertFade ? alert - kAlertFade : 0;
}

void Person::setPosition(float newX, float newY) {
    x = newX;
    y = newY;
}

void Person::setSide(bool newSide) {
    side = newSide;
}

void Person::addFamilyMember(Person* member, bool announce) {
    family.push_back(member);
    if (announce && behaviour != nullptr) {
        behaviour->aBirthInTheFamily();
    }
}

void Person::removeFamilyMember(Person* member) {
    const auto found = std::find(family.begin(), family.end(), member);
    if (found == family.end()) {
        return;
    }
    family.erase(found);
    if (behaviour != nullptr) {
        behaviour->aDeathInTheFamily();
    }
}

void Person::saved() {
    if (behaviour != nullptr) {
        behaviour->familyMemberSaved();
    }
    for (Person* member : family) {
        if (member->behaviour != nullptr) {
            member->behaviour->familyMemberSaved();
        }
    }
}
