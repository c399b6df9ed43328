#pragma once
// Shell double: records every file or address handed to the system and answers with a set result.
#include "services/services.h"
#include <QStringList>

class RecordingShell : public Shell {
  public:
    QStringList opened;
    bool succeeds = true;

    bool Open(const QString& fileOrAddress) override {
        opened << fileOrAddress;
        return succeeds;
    }
};
