#pragma once
// The values of one setup: every field and grid cell of the field tables as the text the page shows
// (typed text; lengths converted for the "miles" distance unit), and the selected part-setup names.
#include "setup_fields.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

struct SetupRecord {
    std::vector<QString> fields;                 // parallel to SetupFields()
    std::vector<std::vector<QStringList>> grids; // [GridId][row][column]
    std::array<QString, 8> selectedNames;        // by SetupArea
    // Converted values read from a file: id ("section/key") -> (text shown, text stored). A shown text
    // that is still unchanged is written back as the stored text, so loading and saving in miles never
    // shifts a metric value (100 mm -> 3.937 in -> 99.9998 mm).
    QHash<QString, std::pair<QString, QString>> metricOrigins;

    SetupRecord(); // every field and cell at its default (empty, or the table's default text)

    QString& Cell(GridId grid, int row, int column) { return grids[size_t(grid)][size_t(row)][column]; }
    const QString& Cell(GridId grid, int row, int column) const {
        return grids[size_t(grid)][size_t(row)][column];
    }
    QString& Field(int index) { return fields[size_t(index)]; }
    const QString& Field(int index) const { return fields[size_t(index)]; }
    // By section and key; the empty text for a key that is no field.
    QString Value(const QString& section, const QString& key) const;
    bool IsChecked(const QString& section, const QString& key) const;

    void ClearGrid(GridId grid);
    bool GridHasText(GridId grid, VehicleType vehicle) const; // non-blank text in a column the vehicle has
};

inline QString CellId(const GridColumn& column, const GridRow& row) {
    return column.section + QLatin1Char('/') + column.keyPrefix + row.key;
}
