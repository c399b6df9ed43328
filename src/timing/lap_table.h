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

    // The marked cells: the best lap's total, and with splits the best time of each segment column.
    // bestSegmentRows[k] is the row of the best time in column k + 1; 0 marks nothing.
    void SetMarks(int bestLapRow, const std::vector<int>& bestSegmentRows);
    bool IsMarked(int row, int column) const;

    // The row the grid should bring into view (the last written row; 1 after clearing).
    int ScrollRow() const { return m_scrollRow; }
    // Grows with every change of headers, rows, cells or marks: a view redraws only when it moved, and
    // then only the rows whose own revision is newer than the one it showed.
    int Revision() const { return m_revision; }
    int RowRevision(int row) const;
    int HeaderRevision() const { return m_headerRevision; }

  private:
    void Touch(int row); // row 0: every row

    QStringList m_headers;
    std::vector<QStringList> m_rows; // data rows 1.. at index 0..
    std::vector<int> m_rowRevisions; // beside m_rows
    int m_bestLapRow = 0;
    std::vector<int> m_bestSegmentRows;
    int m_scrollRow = 1;
    int m_revision = 0;
    int m_headerRevision = 0;
};

// Width of each of columns 1..columns-1: the room left beside column 0, shared equally.
int LapTableColumnWidth(int clientWidth, int firstColumnWidth, int gridLineWidth, int columns);
