#ifndef TRUCEWARD_PEOPLE_PERSONBEHAVIOUR_H
#define TRUCEWARD_PEOPLE_PERSONBEHAVIOUR_H

#include <cstddef>

class Person;
struct RoleChange;

// The exchangeable role of a person: how it moves, shoots or lays bricks, how
// it is drawn and how it takes the news of its family.
//
// A role changes by constructing its successor and handing it to its own
// person's setBehaviour(), which destroys the current behaviour inside the
// call: from there on the handler must not touch any of its members, so it
// keeps in locals whatever it still needs.
class PersonBehaviour {
  public:
    PersonBehaviour() = default;
    // A behaviour belongs to exactly one person.
    PersonBehaviour(const PersonBehaviour&) = delete;
    PersonBehaviour& operator=(const PersonBehaviour&) = delete;
    virtual ~PersonBehaviour() = default;

    // Once per frame, before any drawing.
    virtual void tick() = 0;
    // Once per frame, after every tick and the collision detection.
    virtual void draw() = 0;
    // Only reachable through Person::addFamilyMember(..., true).
    virtual void aBirthInTheFamily() = 0;
    // A relative died; the person's family no longer lists it.
    virtual void aDeathInTheFamily() = 0;
    // A brick saved the person itself or one of its relatives.
    virtual void familyMemberSaved() = 0;

    // The owner; null until Person::setBehaviour installs the behaviour.
    Person* person = nullptr;

  protected:
    // How much a draw must exceed for a death in the family to change the role
    // of a civilian or a peace keeper, given the relatives left after it: a
    // person who has just lost its last relative is the likeliest to change.
    static float deathThreshold(std::size_t familyLeft);

    // Hands the person over to `next`, the role it changes to, as `change`
    // says: the alert shown (for 120 frames), then this behaviour replaced
    // (and so destroyed), then the counter. The caller returns at once.
    void changeRole(PersonBehaviour* next, const RoleChange& change);

    // Draws the person's plain figure with the bricks it carries: small ones
    // on either side of its centre line, above its middle.
    void drawCarrying(bool leftBrick, bool rightBrick) const;
};

#endif
