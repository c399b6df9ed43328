#pragma once
// Settings store double: keys like "MRU/SessionInfo/F0" held in memory.
#include "app/services.h"
#include <QMap>

class InMemorySettingsStore : public SettingsStore {
  public:
    QMap<QString, QVariant> values;

    std::optional<QVariant> Value(const QString& key) override {
        auto it = values.constFind(key);
        if (it == values.constEnd()) return std::nullopt;
        return *it;
    }
    void SetValue(const QString& key, const QVariant& value) override { values[key] = value; }
    // Removes the key and everything under it.
    void Remove(const QString& key) override {
        const QString prefix = key + QLatin1Char('/');
        for (auto it = values.begin(); it != values.end();)
            it = (it.key() == key || it.key().startsWith(prefix)) ? values.erase(it) : std::next(it);
    }
    // The value names directly under the group (not those of subgroups).
    QStringList ChildKeys(const QString& group) override {
        const QString prefix = group + QLatin1Char('/');
        QStringList keys;
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            if (it.key().startsWith(prefix) && !it.key().mid(prefix.size()).contains(QLatin1Char('/')))
                keys << it.key().mid(prefix.size());
        return keys;
    }
};
