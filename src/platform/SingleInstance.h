#pragma once

#include <functional>

// One copy of the program per user: a second start asks the first to come forward.
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;
    // True when an earlier instance answered (and was asked to raise its window).
    virtual bool findEarlierInstance() = 0;
    // Starts listening; onRaise runs when a later start asks this instance to come forward.
    virtual void listen(std::function<void()> onRaise) = 0;
};
