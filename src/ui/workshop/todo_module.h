#pragma once
// Tools > "To-do": the to-do window, also opened when the program has started and "Always open at
// startup" is set. The window does not block the main window; one is open at a time.
#include "events/event.h"
#include "ui/app/page_module.h"

#include <memory>

class TToDoDialog;
class ToDoWindowModel;
class Workspace;

class TodoModule : public PageModule {
  public:
    explicit TodoModule(Workspace& workspace);
    ~TodoModule() override;

    void Build(MainWindowHost& host) override;
    void Started() override;
    QWidget* ShowWindow(const QString& name) override;

  private:
    TToDoDialog* Open();

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    std::unique_ptr<ToDoWindowModel> m_model;
    std::unique_ptr<TToDoDialog> m_window;
    Connections m_connections;
};
