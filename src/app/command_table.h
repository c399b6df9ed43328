#pragma once
// One table from main-menu command to its handler. The application state, the workspace and the
// window's page modules each put in the commands they carry out; the menu runs whatever the table holds.
// A handler stays as long as the connection its registration returned.
#include "events/event.h"
#include "main_window_layout.h"

#include <functional>
#include <map>

class CommandTable {
  public:
    using Handler = std::function<void()>;

    // A later registration of the same command replaces the earlier one until it ends.
    [[nodiscard]] Connection Set(MenuCommand command, Handler handler);
    bool Has(MenuCommand command) const { return m_handlers.contains(command); }
    // False when nothing handles the command.
    bool Run(MenuCommand command) const;

  private:
    struct Entry {
        std::uint64_t id = 0;
        Handler handler;
    };
    std::map<MenuCommand, Entry> m_handlers;
    std::uint64_t m_nextId = 1;
    // Registrations that outlive the table find nothing to remove.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
