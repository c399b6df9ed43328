#include "app/history_list.h"

#include <algorithm>
#include <map>

namespace {
QString Group(const QString& key) {
    return QStringLiteral("MRU/") + key;
}
} // namespace

int DefaultHistoryMaximum(const QString& key) {
    return key == QLatin1String("SessionInfo") || key == QLatin1String("EventName") ? 10 : 5;
}

bool HistoryAddsOnLeave(const QString& key) {
    return key != QLatin1String("ConditionWeather") && key != QLatin1String("FuelTankCapacity");
}

HistoryList::HistoryList(SettingsStore* settings, const QString& key, int maximum)
    : m_settings(settings), m_key(key), m_maximum(std::max(1, maximum)) {
    Load();
}

void HistoryList::SetKey(const QString& key, int maximum) {
    m_key = key;
    m_maximum = std::max(1, maximum);
    Load();
}

void HistoryList::Load() {
    m_entries.clear();
    if (!m_settings || m_key.isEmpty()) return;
    std::map<int, QString> byIndex;
    for (const QString& name : m_settings->ChildKeys(Group(m_key))) {
        if (!name.startsWith(QLatin1Char('F'))) continue;
        bool ok = false;
        const int index = name.mid(1).toInt(&ok);
        if (!ok || index < 0) continue;
        if (const auto value = m_settings->Value(Group(m_key) + QLatin1Char('/') + name))
            byIndex[index] = value->toString();
    }
    for (const auto& [index, text] : byIndex)
        m_entries.append(text);
}

bool HistoryList::AddToHistory(const QString& text) {
    if (text.isEmpty()) return false;
    const qsizetype at = m_entries.indexOf(text);
    if (at == 0) return false;
    if (at > 0)
        m_entries.move(at, 0);
    else {
        m_entries.prepend(text);
        if (m_entries.size() > m_maximum) m_entries.resize(m_maximum);
    }
    Save();
    return true;
}

void HistoryList::Save() {
    if (!m_settings || m_key.isEmpty()) return;
    m_settings->Remove(Group(m_key));
    for (int i = 0; i < m_entries.size(); ++i)
        m_settings->SetValue(Group(m_key) + QStringLiteral("/F") + QString::number(i), m_entries[i]);
}
