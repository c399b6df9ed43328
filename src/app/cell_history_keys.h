#pragma once
// The history keys of the rows of the grids edited through a cell editor (one history box laid over the
// selected cell). An empty key marks a row edited in the grid itself.
#include <QString>
#include <QStringList>

enum class CellEditorGrid { Jetting, FourWheelTires, BikeTires, WheelAngles, Dampers };

struct CellEditorRows {
    int maximum;         // history entries per row
    QStringList rowKeys; // in row order
};

const CellEditorRows& CellEditorRowsOf(CellEditorGrid grid);
