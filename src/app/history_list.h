#pragma once
// The history of an entry box: the most recent distinct texts, newest first, kept in the settings store
// under "MRU/<key>/F0".."F<n-1>".
#include "services/services.h"

#include <QString>
#include <QStringList>

// 10 for "SessionInfo" and "EventName", else 5. The cell editors of the jetting and bike tire grids set
// their own maximum (see cell_history_keys.h).
int DefaultHistoryMaximum(const QString& key);
// False for the boxes that do not take their text into the history when left ("ConditionWeather",
// "FuelTankCapacity").
bool HistoryAddsOnLeave(const QString& key);

class HistoryList {
  public:
    HistoryList() = default;
    HistoryList(SettingsStore* settings, const QString& key, int maximum);

    // Switches to another key (a cell editor moving to another row) and loads its history.
    void SetKey(const QString& key, int maximum);
    const QString& Key() const { return m_key; }
    int Maximum() const { return m_maximum; }
    const QStringList& Entries() const { return m_entries; }

    // Reads every "F<i>" value under the key, index 0 on top. Unreadable entries are skipped.
    void Load();
    // An empty text is ignored; a text in the list moves to the top; a new one goes on top and the list is
    // cut to the maximum. The whole list is then written back. Returns true when the list changed.
    bool AddToHistory(const QString& text);

  private:
    void Save();

    SettingsStore* m_settings = nullptr;
    QString m_key;
    int m_maximum = 5;
    QStringList m_entries;
};
