#ifndef TRUCEWARD_PEOPLE_PERSON_H
#define TRUCEWARD_PEOPLE_PERSON_H

#include <vector>

#include "graphics/ImageDrawer.h"

class PersonBehaviour;
struct AlertLook;

// Somebody on the battle field: a position (the lower-left corner of its 64 x 64
// sprite, in field units), a side, its family and an alert circle. What it does
// is up to its behaviour; the person stores state, forwards the per-frame calls
// and passes family news on to the behaviours.
class Person {
  public:
    // setAlert(n) lights the circle for n + 20 drawn frames: n + 1 at full
    // strength, then 19 fading out.
    static constexpr int kAlertFade = 20;

    Person() = default;
    // Family links and the battle's list point at the person itself.
    Person(const Person&) = delete;
    Person& operator=(const Person&) = delete;
    // Destroys the behaviour; relatives are left alone.
    ~Person();

    // Destroys the current behaviour at once, then installs `next` (which may
    // be null) and points it back at this person.
    void setBehaviour(PersonBehaviour* next);

    // Forwards to the behaviour; nothing without one.
    void tick();
    // One drawn frame: show(), then advanceUnseen().
    void draw();
    // The person as it looks now, changing nothing: without a behaviour
    // nothing; otherwise the alert circle (fading over its last frames) while
    // `alert` is positive, then the behaviour's figure.
    void show();
    // A frame's step of the person's own state, drawing nothing: the alert
    // circle's pulse and count advance.
    void advanceUnseen();

    void setCircleColour(float red, float green, float blue, float alpha);
    // The circle in that look for `frames` (see setAlert).
    void raiseAlert(const AlertLook& look, int frames);
    // Replaces the count (a later alert does not add to an earlier one).
    void setAlert(int frames);
    // Frames left at full strength; 0 once only the fading frames remain.
    int getAlert() const;
    void setPosition(float newX, float newY);
    void setSide(bool newSide);

    // Appends the member; with `announce`, the behaviour hears of a birth.
    void addFamilyMember(Person* member, bool announce);
    // Removes the first entry of the member, then tells the behaviour of the
    // death; a member not in the family is ignored without a word.
    void removeFamilyMember(Person* member);
    // A brick saved this person: its own behaviour hears first, then every
    // relative's, in family order.
    void saved();

    PersonBehaviour* behaviour = nullptr;
    // Not owned; a relative picked twice is listed twice.
    std::vector<Person*> family;
    float x = 0.0f;
    float y = 0.0f;
    bool side = false;
    float circlePhase = 0.0f;
    // Red, green, blue, alpha; every alert sets it first.
    float circleColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    // The ring's shape; every alert sets it with the colour. Only drawn: the
    // battle's rules never look at it.
    ImageDrawer::ImageType ring = ImageDrawer::ImageAlertCircle;
    int alert = 0;

  private:
    void showCircle() const;
    void advanceCircle();
};

#endif
