#pragma once
// Progress double: records the texts shown and whether the window is up.
#include "services/services.h"

class RecordingProgress : public Progress {
  public:
    QStringList shown;
    bool visible = false;

    void Show(const QString& text) override {
        shown << text;
        visible = true;
    }
    void Hide() override { visible = false; }
};
