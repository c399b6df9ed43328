#pragma once
// Remembered column widths of a grid view in the settings store ("ColWidths/<store>/ColWidth<i>").
#include "services/services.h"

#include <QString>

class QTableView;

void SaveColumnWidths(const QTableView& view, SettingsStore& settings, const QString& storeName);
// Applies the stored widths only when their number equals the grid's column count.
void LoadColumnWidths(QTableView& view, SettingsStore& settings, const QString& storeName);
// Sets a column's width, never narrower than its caption (translated captions are often longer than the
// widths chosen for the English ones).
void SetColumnWidthAtLeastCaption(QTableView& view, int column, int width);
