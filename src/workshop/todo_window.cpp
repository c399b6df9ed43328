#include "todo_window.h"

#include "workshop/schedule.h"

void ToDoWindowModel::Open(bool openAtStartupSetting) {
    openAtStartup = openAtStartupSetting;
    const auto loaded = LoadToDo(m_dataDir);
    if (!loaded) m_prompter.ShowError(loaded.error());
    text = loaded ? *loaded : QString();
}

bool ToDoWindowModel::Save() {
    if (requestStoreOpenAtStartup) requestStoreOpenAtStartup(openAtStartup);
    if (const auto saved = SaveToDo(m_dataDir, text); !saved) {
        m_prompter.ShowError(saved.error());
        return false;
    }
    return true;
}

void ToDoWindowModel::Cancel() {
    if (requestStoreOpenAtStartup) requestStoreOpenAtStartup(openAtStartup);
}
