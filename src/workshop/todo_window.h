#pragma once
// The "To-Do" window: the note of todo.txt and the "Always open at startup" choice.
#include "services/services.h"

#include <QString>
#include <functional>

class ToDoWindowModel {
  public:
    ToDoWindowModel(Prompter& prompter, QString dataDir)
        : m_prompter(prompter), m_dataDir(std::move(dataDir)) {}

    QString text;
    bool openAtStartup = false;
    // The choice of "Always open at startup", stored on Save and on Cancel alike.
    std::function<void(bool openAtStartup)> requestStoreOpenAtStartup;

    // Loads todo.txt (an unreadable file is reported and the note starts empty).
    void Open(bool openAtStartupSetting);
    // Writes the note; true when the window may close. A failed write is reported and the window stays
    // open with the text, so nothing typed is lost.
    bool Save();
    void Cancel();

  private:
    Prompter& m_prompter;
    QString m_dataDir;
};
