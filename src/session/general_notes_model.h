#pragma once
// The "General notes" page: two free-text editors, each kept in its own file in the program folder
// ("vlnotes1.txt", "vlnotes2.txt", one file line per editor line) and each with its own "Save" button,
// enabled by any edit and disabled again by saving.
#include "app/change_tracker.h"
#include "events/event.h"
#include "services/services.h"

#include <QString>
#include <array>

class GeneralNotesModel {
  public:
    static constexpr int kEditors = 2;

    GeneralNotesModel(ChangeTracker& tracker, Prompter* prompter, const QString& dataFolder);

    static QString FileName(int editor); // "vlnotes1.txt", "vlnotes2.txt"
    // Loads each file that exists; every button ends disabled.
    void Load();
    const QString& Text(int editor) const { return m_texts[size_t(editor)]; }
    void SetText(int editor, const QString& text); // an edit: enables the editor's button
    bool SaveEnabled(int editor) const { return m_saveEnabled[size_t(editor)]; }
    // Writes the editor's file; a failure is shown and the button stays enabled. A file that could not
    // be read when loaded is left as it is (the save fails with a message).
    bool Save(int editor);
    // Saves every editor whose button is enabled (leaving the page with Yes); false when one failed.
    bool SaveChanged();

    // After the files were read or an editor was saved: the page shows texts and buttons afresh.
    Event<> filesChanged;

  private:
    void UpdateArea();

    ChangeTracker& m_tracker;
    Prompter* m_prompter;
    QString m_dataFolder;
    std::array<QString, kEditors> m_texts;
    std::array<bool, kEditors> m_saveEnabled{};
    // A file that exists but could not be read is never written over with what the editor holds.
    std::array<bool, kEditors> m_unreadable{};
};
