#pragma once
// Shell double: records what was opened and answers with the scripted result.
#include "app/services.h"

class RecordingShell : public Shell {
  public:
    QStringList opened;
    bool succeed = true;

    bool Open(const QString& fileOrAddress) override {
        opened << fileOrAddress;
        return succeed;
    }
};
