#include "todo_module.h"

#include "storage/translate.h"
#include "ui/workshop/todo_dialog.h"
#include "workshop/todo_window.h"
#include "workspace/workspace.h"

TodoModule::TodoModule(Workspace& workspace) : m_workspace(workspace) {
}
TodoModule::~TodoModule() = default;

void TodoModule::Build(MainWindowHost& host) {
    m_host = &host;
    m_connections += m_workspace.State().Commands().Set(MenuCommand::Todo, [this] { Open(); });
}

void TodoModule::Started() {
    if (m_host && m_host->Interactive() && m_workspace.State().Settings().todoOpenAtStartup) Open();
}

TToDoDialog* TodoModule::Open() {
    AppState& state = m_workspace.State();
    Prompter* prompter = state.GetServices().prompter;
    if (!prompter) return nullptr;
    if (m_window && m_window->isVisible()) {
        m_window->raise();
        m_window->activateWindow();
        return m_window.get();
    }
    m_window.reset();
    m_model = std::make_unique<ToDoWindowModel>(*prompter, state.DataFolder());
    // The choice is kept in the settings, written when the program closes.
    m_model->requestStoreOpenAtStartup = [&state](bool open) { state.Settings().todoOpenAtStartup = open; };
    m_model->Open(state.Settings().todoOpenAtStartup);
    m_window = std::make_unique<TToDoDialog>(*m_model, m_host->Window());
    m_window->show();
    return m_window.get();
}

QWidget* TodoModule::ShowWindow(const QString& name) {
    if (name.compare(QStringLiteral("To-Do"), Qt::CaseInsensitive) != 0 &&
        name.compare(Translate("To-Do"), Qt::CaseInsensitive) != 0)
        return nullptr;
    return Open();
}
