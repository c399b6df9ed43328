#pragma once
// Clock double: the test sets the tick and the wall clock (day number) by hand.
#include "services/services.h"
#include <cstdint>

class ManualClock : public Clock {
  public:
    std::uint32_t tick = 0;
    double day = 45000.5; // 2023-03-15 12:00

    std::uint32_t TickMs() override { return tick; }
    double NowDayNumber() override { return day; }
    void Advance(std::uint32_t ms) { tick += ms; }
};
