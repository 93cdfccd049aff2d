#include "people/Person.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "people/PersonBehaviour.h"

namespace {

// Writes every call it receives into a shared log, prefixed with its name, and
// the family size its person has at that moment.
class RecordingBehaviour : public PersonBehaviour {
  public:
    RecordingBehaviour(std::string name, std::vector<std::string>* log, bool* destroyed = nullptr)
        : name(std::move(name)), log(log), destroyed(destroyed) {}
    ~RecordingBehaviour() override {
        if (destroyed != nullptr) {
            *destroyed = true;
        }
    }
    void tick() override { record("tick"); }
    void draw() override { record("draw"); }
    void aBirthInTheFamily() override { record("birth"); }
    void aDeathInTheFamily() override {
        record("death, family " + std::to_string(person->family.size()));
    }
    void familyMemberSaved() override { record("saved"); }

  private:
    void record(const std::string& what) { log->push_back(name + ": " + what); }
    std::string name;
    std::vector<std::string>* log;
    bool* destroyed;
};

// Replaces itself inside aDeathInTheFamily, as the roles do.
class ReplacingBehaviour : public PersonBehaviour {
  public:
    explicit ReplacingBehaviour(std::vector<std::string>* log) : log(log) {}
    void tick() override {}
    void draw() override {}
    void aBirthInTheFamily() override {}
    void aDeathInTheFamily() override {
        std::vector<std::string>* keptLog = log;
        person->setBehaviour(new RecordingBehaviour("successor", keptLog));
        keptLog->push_back("replaced");
    }
    void familyMemberSaved() override {}

  private:
    std::vector<std::string>* log;
};

TEST(PersonTest, StartsEmptyAtTheOrigin) {
    Person person;
    EXPECT_EQ(person.behaviour, nullptr);
    EXPECT_TRUE(person.family.empty());
    EXPECT_EQ(person.x, 0.0f);
    EXPECT_EQ(person.y, 0.0f);
    EXPECT_FALSE(person.side);
    EXPECT_EQ(person.circlePhase, 0.0f);
    EXPECT_EQ(person.alert, 0);
}

TEST(PersonTest, SetBehaviourDestroysTheOldOneAtOnceAndPointsTheNewOneBack) {
    std::vector<std::string> log;
    bool firstGone = false;
    bool secondGone = false;
    {
        Person person;
        auto* first = new RecordingBehaviour("first", &log, &firstGone);
        EXPECT_EQ(first->person, nullptr);
        person.setBehaviour(first);
        EXPECT_EQ(first->person, &person);
        person.setBehaviour(new RecordingBehaviour("second", &log, &secondGone));
        EXPECT_TRUE(firstGone);
        EXPECT_FALSE(secondGone);
        EXPECT_EQ(person.behaviour->person, &person);
        person.setBehaviour(nullptr);
        EXPECT_TRUE(secondGone);
        EXPECT_EQ(person.behaviour, nullptr);
        person.setBehaviour(new RecordingBehaviour("third", &log, &secondGone));
        secondGone = false;
    }
    EXPECT_TRUE(secondGone) << "the person's destructor deletes its behaviour";
}

TEST(PersonTest, WithoutBehaviourNothingIsForwarded) {
    Person person;
    Person relative;
    person.tick();
    person.addFamilyMember(&relative, true);
    person.removeFamilyMember(&relative);
    person.saved();
    EXPECT_TRUE(person.family.empty());
}

TEST(PersonTest, TickAndBirthReachTheBehaviour) {
    std::vector<std::string> log;
    Person person;
    Person relative;
    person.setBehaviour(new RecordingBehaviour("p", &log));
    person.tick();
    person.addFamilyMember(&relative, false);
    person.addFamilyMember(&relative, true);
    EXPECT_EQ(log, (std::vector<std::string>{"p: tick", "p: birth"}));
    EXPECT_EQ(person.family, (std::vector<Person*>{&relative, &relative}));
}

TEST(PersonTest, RemovingAMemberTakesOnlyTheFirstEntryAndTellsOfTheDeathAfterwards) {
    std::vector<std::string> log;
    Person person;
    Person a;
    Person b;
    Person stranger;
    person.setBehaviour(new RecordingBehaviour("p", &log));
    person.addFamilyMember(&a, false);
    person.addFamilyMember(&b, false);
    person.addFamilyMember(&a, false);

    person.removeFamilyMember(&stranger);
    EXPECT_TRUE(log.empty()) << "a stranger's death is not news";
    EXPECT_EQ(person.family.size(), 3u);

    person.removeFamilyMember(&a);
    EXPECT_EQ(person.family, (std::vector<Person*>{&b, &a}));
    person.removeFamilyMember(&a);
    EXPECT_EQ(person.family, (std::vector<Person*>{&b}));
    EXPECT_EQ(log, (std::vector<std::string>{"p: death, family 2", "p: death, family 1"}));
}

TEST(PersonTest, ASavedPersonHearsFirstThenItsFamilyInOrder) {
    std::vector<std::string> log;
    Person person;
    Person first;
    Person silent;
    Person second;
    person.setBehaviour(new RecordingBehaviour("self", &log));
    first.setBehaviour(new RecordingBehaviour("first", &log));
    second.setBehaviour(new RecordingBehaviour("second", &log));
    person.addFamilyMember(&first, false);
    person.addFamilyMember(&silent, false);
    person.addFamilyMember(&second, false);
    person.addFamilyMember(&first, false);
    person.saved();
    EXPECT_EQ(log, (std::vector<std::string>{"self: saved", "first: saved", "second: saved",
                                             "first: saved"}));
}

TEST(PersonTest, ABehaviourMayReplaceItselfOnADeath) {
    std::vector<std::string> log;
    Person person;
    Person dead;
    person.setBehaviour(new ReplacingBehaviour(&log));
    person.addFamilyMember(&dead, false);
    person.addFamilyMember(&dead, false);
    person.removeFamilyMember(&dead);
    person.removeFamilyMember(&dead);
    EXPECT_EQ(log, (std::vector<std::string>{"replaced", "successor: death, family 0"}));
    EXPECT_EQ(person.behaviour->person, &person);
}

TEST(PersonTest, AlertCountsTwentyFadingFramesAfterTheFullOnes) {
    std::vector<std::string> log;
    Person person;
    person.setBehaviour(new RecordingBehaviour("p", &log));
    person.setAlert(0);
    EXPECT_EQ(person.alert, 20);
    EXPECT_EQ(person.getAlert(), 0);
    int shown = 0;
    while (person.alert > 0 && shown < 100) {
        person.advanceUnseen();
        ++shown;
    }
    EXPECT_EQ(shown, 20);
    person.advanceUnseen();
    EXPECT_EQ(person.alert, 0) << "the count stops at zero";

    person.setAlert(120);
    EXPECT_EQ(person.getAlert(), 120);
    person.advanceUnseen();
    EXPECT_EQ(person.getAlert(), 119);
    person.setAlert(1);
    EXPECT_EQ(person.alert, 21) << "a later alert replaces the count";
    EXPECT_EQ(person.getAlert(), 1);
    person.alert = 19;
    EXPECT_EQ(person.getAlert(), 0);
}

TEST(PersonTest, TheCirclePulsesOnlyWhileLitAndItsPhaseWraps) {
    std::vector<std::string> log;
    Person person;
    person.setBehaviour(new RecordingBehaviour("p", &log));
    person.advanceUnseen();
    EXPECT_EQ(person.circlePhase, 0.0f) << "no alert, no pulse";

    person.setAlert(1000);
    float phase = 0.0f;
    for (int frame = 0; frame < 1000; ++frame) {
        person.advanceUnseen();
        phase += 0.05f;
        if (phase > 6.2831855f) {
            phase -= 6.2831855f;
        }
        ASSERT_EQ(person.circlePhase, phase) << "frame " << frame;
        ASSERT_LE(person.circlePhase, 6.2831855f);
    }
    EXPECT_TRUE(log.empty()) << "the unseen frame draws no behaviour";
}

TEST(PersonTest, WithoutBehaviourTheAlertDoesNotRunDown) {
    Person person;
    person.setAlert(5);
    person.advanceUnseen();
    EXPECT_EQ(person.alert, 25);
}

TEST(PersonTest, PositionAndSideAreStoredUnclamped) {
    Person person;
    person.setPosition(-3.5f, 800.25f);
    person.setSide(true);
    person.setCircleColour(0.25f, 0.5f, 0.75f, 0.125f);
    EXPECT_EQ(person.x, -3.5f);
    EXPECT_EQ(person.y, 800.25f);
    EXPECT_TRUE(person.side);
    EXPECT_EQ(person.circleColour[0], 0.25f);
    EXPECT_EQ(person.circleColour[1], 0.5f);
    EXPECT_EQ(person.circleColour[2], 0.75f);
    EXPECT_EQ(person.circleColour[3], 0.125f);
}

}  // namespace
