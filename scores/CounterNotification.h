#ifndef TRUCEWARD_SCORES_COUNTERNOTIFICATION_H
#define TRUCEWARD_SCORES_COUNTERNOTIFICATION_H

#include <string>

// Receives a call whenever a counter it registered for lands on a multiple of
// the registered value.
class CounterNotification {
  public:
    virtual ~CounterNotification() = default;

    // `count` is the counter's new value.
    virtual void countReached(const std::string& name, int count) = 0;
};

#endif
