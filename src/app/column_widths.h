#pragma once
// Remembered grid column widths in the settings store: "ColWidths/<store>/ColWidth<i>", one decimal
// pixel value per column.
#include "services/services.h"

#include <QList>
#include <QString>
#include <optional>

// Deletes and recreates the store's group, writing one value per column.
void SaveColumnWidths(SettingsStore& settings, const QString& storeName, const QList<int>& widths);

// The stored widths, only when the number of stored values equals columnCount (otherwise std::nullopt and
// the grid keeps its widths). A value that cannot be read comes back as -1: keep that column's width.
std::optional<QList<int>> LoadColumnWidths(SettingsStore& settings, const QString& storeName,
                                           int columnCount);
