#pragma once
// Clock double: the test sets the tick and the wall clock by hand.
#include "app/services.h"

class ManualClock : public Clock {
  public:
    std::uint32_t tick = 0;
    double day = 0;

    std::uint32_t TickMs() override { return tick; }
    double NowDayNumber() override { return day; }
};
