#include "ui/widgets/grid_column_widths.h"

#include "app/column_widths.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

void SaveColumnWidths(const QTableView& view, SettingsStore& settings, const QString& storeName) {
    if (!view.model()) return;
    QList<int> widths;
    for (int c = 0; c < view.model()->columnCount(); ++c)
        widths.append(view.columnWidth(c));
    SaveColumnWidths(settings, storeName, widths);
}

void SetColumnWidthAtLeastCaption(QTableView& view, int column, int width) {
    view.setColumnWidth(column, std::max(width, view.horizontalHeader()->sectionSizeHint(column)));
}

void LoadColumnWidths(QTableView& view, SettingsStore& settings, const QString& storeName) {
    if (!view.model()) return;
    const auto widths = LoadColumnWidths(settings, storeName, view.model()->columnCount());
    if (!widths) return;
    for (int c = 0; c < widths->size(); ++c)
        if ((*widths)[c] >= 0) view.setColumnWidth(c, (*widths)[c]);
}
