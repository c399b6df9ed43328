#pragma once
// Start-up view double: records the splash texts and the first-run dialogs in order and answers
// "Basic Setup" with the scripted entry.
#include "app/startup_sequence.h"
#include <QStringList>

class RecordingStartupView : public StartupView {
  public:
    QStringList events;                // "progress: <text>", "Basic Setup", "Options", "close splash",
                                       // "journal restore"
    std::optional<int> basicSetup = 0; // the entry chosen in "Basic Setup"

    void ShowProgress(const QString& text) override { events << QStringLiteral("progress: ") + text; }
    std::optional<int> AskBasicSetup() override {
        events << QStringLiteral("Basic Setup");
        return basicSetup;
    }
    void ShowOptions() override { events << QStringLiteral("Options"); }
    void CloseSplash() override { events << QStringLiteral("close splash"); }
    void OfferJournalRestore() override { events << QStringLiteral("journal restore"); }
};
