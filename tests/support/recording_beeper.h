#pragma once
// Beeper double that counts the beeps.
#include "services/services.h"

class RecordingBeeper : public Beeper {
  public:
    int beeps = 0;

    void Beep() override { ++beeps; }
};
