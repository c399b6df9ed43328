#include "command_table.h"

Connection CommandTable::Set(MenuCommand command, Handler handler) {
    const std::uint64_t id = m_nextId++;
    m_handlers[command] = Entry{id, std::move(handler)};
    return Connection([this, command, id, alive = std::weak_ptr<bool>(m_alive)] {
        if (alive.expired()) return;
        const auto found = m_handlers.find(command);
        if (found != m_handlers.end() && found->second.id == id) m_handlers.erase(found);
    });
}

bool CommandTable::Run(MenuCommand command) const {
    const auto found = m_handlers.find(command);
    if (found == m_handlers.end()) return false;
    // A copy: the handler may replace itself (a window closing) while it runs.
    const Handler handler = found->second.handler;
    handler();
    return true;
}
