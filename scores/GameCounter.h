#ifndef TRUCEWARD_SCORES_GAMECOUNTER_H
#define TRUCEWARD_SCORES_GAMECOUNTER_H

#include <list>
#include <map>
#include <string>

class CounterNotification;

// The process-wide table of named integer counters that make the score.
// Counters are created on first use and live until the process ends.
class GameCounter {
  public:
    // Bookkeeping counters, left out of the score.
    static const char* const kFighter;  // living fighters plus one, during a battle
    static const char* const kTime;     // frames of a war left with Space
    // The counters that make the score; what each event adds is the battle's
    // and the roles' business (see RoleChange).
    static const char* const kKilled;             // -1 a death
    static const char* const kSavedByBrick;       // +1 a rescue
    static const char* const kBecameFighter;      // a civilian took up arms
    static const char* const kBecameCivilian;     // a fighter or a peace keeper gave up
    static const char* const kBecamePeaceKeeper;  // somebody turned peace keeper

    struct Counter {
        int count = 0;
        // Registration i is (values[i], receivers[i]), in registration order.
        std::list<int> values;
        std::list<CounterNotification*> receivers;
    };

    static GameCounter* getInstance();

    GameCounter(const GameCounter&) = delete;
    GameCounter& operator=(const GameCounter&) = delete;

    // Adds a counter at 0; an existing counter is left as it is.
    void createCounter(const std::string& name);
    // Adds delta (creating the counter when new), then calls every
    // registration whose value divides the new count, in registration order.
    void incrementCount(const std::string& name, int delta);
    // 0 for a name never seen, without creating it.
    int getCount(const std::string& name) const;
    // The sum of every counter except "Fighter" and "Time".
    int getScore() const;
    // Every count back to 0, silently; counters and registrations stay.
    void reset();
    // `value` must not be 0. Nothing is called at registration.
    void registerNotification(const std::string& name, int value, CounterNotification* receiver);
    // Removes the first matching value and the first matching receiver.
    void unregisterNotification(const std::string& name, int value, CounterNotification* receiver);

    std::map<std::string, Counter*> counters;

  private:
    GameCounter() = default;
    ~GameCounter();
};

#endif
