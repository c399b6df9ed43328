#pragma once
// Settings store double: keys and values in a map; failing can be switched on to check that store
// errors are ignored.
#include "services/services.h"
#include <QMap>

class InMemorySettingsStore : public SettingsStore {
  public:
    QMap<QString, QVariant> values;
    int writes = 0;

    std::optional<QVariant> Value(const QString& key) override {
        const auto found = values.constFind(key);
        if (found == values.constEnd()) return std::nullopt;
        return *found;
    }
    void SetValue(const QString& key, const QVariant& value) override {
        ++writes;
        values.insert(key, value);
    }
    void Remove(const QString& key) override {
        const QString prefix = key + u'/';
        for (auto it = values.begin(); it != values.end();)
            it = (it.key() == key || it.key().startsWith(prefix)) ? values.erase(it) : std::next(it);
    }
    QStringList ChildKeys(const QString& group) override {
        const QString prefix = group + u'/';
        QStringList keys;
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            if (it.key().startsWith(prefix) && !it.key().mid(prefix.size()).contains(u'/'))
                keys << it.key().mid(prefix.size());
        return keys;
    }
};
