#include "setup_record.h"

SetupRecord::SetupRecord() {
    for (const SetupField& field : SetupFields())
        fields.push_back(field.defaultText);
    for (const SetupGrid& grid : SetupGrids()) {
        QStringList emptyRow;
        for (size_t c = 0; c < grid.columns.size(); ++c)
            emptyRow << QString();
        grids.emplace_back(grid.rows.size(), emptyRow);
    }
}

QString SetupRecord::Value(const QString& section, const QString& key) const {
    const int index = FieldIndex(section, key);
    return index < 0 ? QString() : Field(index);
}

bool SetupRecord::IsChecked(const QString& section, const QString& key) const {
    return Value(section, key) == QLatin1String("true");
}

void SetupRecord::ClearGrid(GridId grid) {
    for (QStringList& row : grids[size_t(grid)])
        for (QString& cell : row)
            cell.clear();
}

bool SetupRecord::GridHasText(GridId grid, VehicleType vehicle) const {
    const SetupGrid& table = Grid(grid);
    for (const QStringList& row : grids[size_t(grid)])
        for (int c = 0; c < row.size(); ++c)
            if (AppliesTo(table.columns[size_t(c)].vehicles, vehicle) && !row[c].trimmed().isEmpty())
                return true;
    return false;
}
