#pragma once
// Events with any number of listeners. Connect() returns a Connection: the listener is called until the
// connection is destroyed or disconnected, so an object that keeps its connections as members stops
// listening when it goes, whichever of the two is destroyed first. Listeners may connect and disconnect
// (themselves or others) while the event is being emitted: a listener disconnected during an emission is
// not called any more, one connected during it is called from the next emission on.
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class Connection {
  public:
    Connection() = default;
    explicit Connection(std::function<void()> disconnect) : m_disconnect(std::move(disconnect)) {}
    Connection(Connection&& other) noexcept : m_disconnect(std::exchange(other.m_disconnect, {})) {}
    Connection& operator=(Connection&& other) noexcept {
        if (this != &other) {
            Disconnect();
            m_disconnect = std::exchange(other.m_disconnect, {});
        }
        return *this;
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { Disconnect(); }

    void Disconnect() {
        if (auto disconnect = std::exchange(m_disconnect, {})) disconnect();
    }
    bool Connected() const { return bool(m_disconnect); }

  private:
    std::function<void()> m_disconnect;
};

// The connections an object holds; all of them end with it.
class Connections {
  public:
    Connections& operator+=(Connection connection) {
        m_connections.push_back(std::move(connection));
        return *this;
    }
    void Clear() { m_connections.clear(); }
    std::size_t Size() const { return m_connections.size(); }

  private:
    std::vector<Connection> m_connections;
};

template <typename... Args> class Event {
  public:
    using Listener = std::function<void(Args...)>;

    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    ~Event() {
        // Connections that outlive the event find nothing to remove.
        for (const auto& entry : m_state->entries)
            entry->active = false;
    }

    [[nodiscard]] Connection Connect(Listener listener) {
        auto entry = std::make_shared<Entry>(Entry{std::move(listener), true});
        m_state->entries.push_back(entry);
        return Connection(
            [weakState = std::weak_ptr<State>(m_state), weakEntry = std::weak_ptr<Entry>(entry)] {
                const auto connected = weakEntry.lock();
                if (!connected) return;
                connected->active = false;
                if (const auto state = weakState.lock()) std::erase(state->entries, connected);
            });
    }

    void Emit(Args... args) const {
        // A copy, so that listeners may change the list; each is checked just before its call.
        const auto entries = m_state->entries;
        for (const auto& entry : entries)
            if (entry->active) entry->listener(args...);
    }

    std::size_t ListenerCount() const { return m_state->entries.size(); }

  private:
    struct Entry {
        Listener listener;
        bool active;
    };
    struct State {
        std::vector<std::shared_ptr<Entry>> entries;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};
