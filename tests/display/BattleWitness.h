#ifndef TRUCEWARD_TESTS_DISPLAY_BATTLEWITNESS_H
#define TRUCEWARD_TESTS_DISPLAY_BATTLEWITNESS_H

#include <string>
#include <utility>
#include <vector>

#include "people/Person.h"
#include "people/PersonBehaviour.h"

// A behaviour for battle tests: stands still, draws nothing and writes down
// the family news it hears, with its name, into a shared log.
class BattleWitness : public PersonBehaviour {
  public:
    BattleWitness(std::string name, std::vector<std::string>* log)
        : name(std::move(name)), log(log) {}

    void tick() override {}
    void draw() override {}
    void aBirthInTheFamily() override { log->push_back(name + " birth"); }
    void aDeathInTheFamily() override { log->push_back(name + " death"); }
    void familyMemberSaved() override { log->push_back(name + " saved"); }

    // A new person of the side at (x, y) with a witness as its behaviour.
    static Person* place(const std::string& name, std::vector<std::string>* log, bool side, float x,
                         float y) {
        auto* person = new Person();
        person->setBehaviour(new BattleWitness(name, log));
        person->setPosition(x, y);
        person->setSide(side);
        return person;
    }

    // Links two people both ways, as the set-up does.
    static void relate(Person* a, Person* b) {
        a->addFamilyMember(b, false);
        b->addFamilyMember(a, false);
    }

  private:
    std::string name;
    std::vector<std::string>* log;
};

#endif
