#include "app/column_widths.h"

namespace {
QString Group(const QString& storeName) {
    return QStringLiteral("ColWidths/") + storeName;
}
QString Key(const QString& storeName, int column) {
    return Group(storeName) + QStringLiteral("/ColWidth") + QString::number(column);
}
} // namespace

void SaveColumnWidths(SettingsStore& settings, const QString& storeName, const QList<int>& widths) {
    settings.Remove(Group(storeName));
    for (int i = 0; i < widths.size(); ++i)
        settings.SetValue(Key(storeName, i), QString::number(widths[i]));
}

std::optional<QList<int>> LoadColumnWidths(SettingsStore& settings, const QString& storeName,
                                           int columnCount) {
    if (settings.ChildKeys(Group(storeName)).size() != columnCount || columnCount <= 0) return std::nullopt;
    QList<int> widths;
    for (int i = 0; i < columnCount; ++i) {
        bool ok = false;
        const auto value = settings.Value(Key(storeName, i));
        const int width = value ? value->toString().trimmed().toInt(&ok) : 0;
        widths.append(ok && width >= 0 ? width : -1);
    }
    return widths;
}
