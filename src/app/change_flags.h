#pragma once
// One changed flag per data area. Whoever shows captions and save buttons listens for changes.
#include <array>
#include <functional>

enum class DataArea {
    Session,
    Setup,
    TireList,
    Tracks,
    Suppliers,
    OrderStatus,
    Maintenance,
    Schedule,
    PartStatus,
    GeneralNotes,
};
inline constexpr int kDataAreaCount = 10;

class ChangeFlags {
  public:
    bool IsChanged(DataArea area) const { return m_changed[Index(area)]; }
    void MarkChanged(DataArea area) { Set(area, true); }
    void MarkUnchanged(DataArea area) { Set(area, false); }
    void MarkAllUnchanged() {
        for (int i = 0; i < kDataAreaCount; ++i)
            Set(DataArea(i), false);
    }
    // Called with the area whenever its flag flips.
    void SetListener(std::function<void(DataArea)> listener) { m_listener = std::move(listener); }

  private:
    static int Index(DataArea area) { return int(area); }
    void Set(DataArea area, bool changed) {
        if (m_changed[Index(area)] == changed) return;
        m_changed[Index(area)] = changed;
        if (m_listener) m_listener(area);
    }
    std::array<bool, kDataAreaCount> m_changed{};
    std::function<void(DataArea)> m_listener;
};
