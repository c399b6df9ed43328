#pragma once
// The cells of one driver's lap table: a fixed header row 0 and data rows 1.., as the grid shows them.
#include <QString>
#include <QStringList>
#include <vector>

class LapTable {
  public:
    static constexpr int kInitialRows = 50; // header row included

    LapTable();

    // Columns for the splits per lap: "Lap", "Split 1".."Split s", "Finish", "Total" (without splits
    // "Lap" and "Total").
    void SetSplits(int splits);
    int ColumnCount() const { return int(m_headers.size()); }
    const QStringList& Headers() const { return m_headers; }

    int RowCount() const { return int(m_rows.size()) + 1; } // header row included
    // Cell texts of data row (1..RowCount()-1); missing cells are empty.
    QString Cell(int row, int column) const;
    QStringList Row(int row) const;
    // Rows 1..n that hold any text, in order (what a reader of the table sees).
    int LastFilledRow() const;

    void ClearRows();                               // every data row emptied, the row count stays
    void EnsureRowCount(int rows);                  // grows to at least rows (header included)
    void SetRow(int row, const QStringList& cells); // cells from column 0; grows as needed
    void SetCell(int row, int column, const QString& text);

    // The row the grid should bring into view (the last written row; 1 after clearing).
    int ScrollRow() const { return m_scrollRow; }
    // Grows with every change of headers, rows or cells: a view redraws only when it moved.
    int Revision() const { return m_revision; }

  private:
    QStringList m_headers;
    std::vector<QStringList> m_rows; // data rows 1.. at index 0..
    int m_scrollRow = 1;
    int m_revision = 0;
};

// Width of each of columns 1..columns-1: the room left beside column 0, shared equally.
int LapTableColumnWidth(int clientWidth, int firstColumnWidth, int gridLineWidth, int columns);
