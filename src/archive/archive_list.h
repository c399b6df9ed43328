#pragma once
// The archive list: its sort order (by value, shown as text), row tips and which commands the
// selection allows.
#include "archive_tree.h"

#include <QString>
#include <QStringList>
#include <vector>

struct ArchiveSort {
    int column = 0; // a shown column
    bool descending = false;
    // Clicking the sort column again toggles the direction; another column becomes the sort column,
    // ascending.
    void Click(int clicked);
};

// The column whose cells order a shown column: the start time for the date, the milliseconds for the
// best lap, the column itself otherwise.
int SortValueColumn(int column);
// Sorts rows by sort (numbers as numbers, other texts by the locale's collation); rows with equal
// values keep their order.
void SortSummaryRows(std::vector<QStringList>& rows, const ArchiveSort& sort);

// "Session: <file name>", a line break, then the notes text.
QString SessionTip(const QStringList& row);

struct ArchiveCommands {
    bool open = false; // also "Open setup only"
    bool compare = false;
    bool deleteSessions = false; // also the two exports
};
ArchiveCommands CommandsForSelection(int selectedRows);
