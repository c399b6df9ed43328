#pragma once
// Clock double: the tick and the day number are set by the test.
#include "app/services.h"
#include <cstdint>

class ManualClock : public Clock {
  public:
    std::uint32_t tick = 0;
    double dayNumber = 45000.5; // 2023-03-15 12:00

    std::uint32_t TickMs() override { return tick; }
    double NowDayNumber() override { return dayNumber; }
    void Advance(std::uint32_t ms) { tick += ms; }
};
