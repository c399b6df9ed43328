#pragma once
// The data grid shared by the workshop and session pages: one fixed header row, a number of data rows of
// which the first UsedRows() are in use (the rest are empty), cells held as the text the user typed.
// Rows are addressed from 0 = the first data row; the header row is separate.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Told about every change so a view model can follow. All members have empty defaults.
class TextGridObserver {
  public:
    virtual ~TextGridObserver() = default;
    virtual void BeginReset() {}
    virtual void EndReset() {}
    virtual void BeginAppendRows(int /*first*/, int /*last*/) {}
    virtual void EndAppendRows() {}
    virtual void BeginTruncateRows(int /*first*/, int /*last*/) {}
    virtual void EndTruncateRows() {}
    virtual void CellsChanged(int /*firstRow*/, int /*lastRow*/) {}
    virtual void HeadersChanged() {}
    // The grid is being destroyed: forget it.
    virtual void GridDestroyed() {}
};

class TextGrid {
  public:
    explicit TextGrid(const QStringList& headers = {}, int rowCount = 0);
    ~TextGrid();
    TextGrid(const TextGrid&) = delete;
    TextGrid& operator=(const TextGrid&) = delete;

    int ColumnCount() const { return static_cast<int>(m_headers.size()); }
    int RowCount() const { return static_cast<int>(m_rows.size()); } // data rows, used or not
    int UsedRows() const { return m_usedRows; }

    void SetColumnCount(int count);
    void SetRowCount(int count); // used rows are cut to it
    void SetUsedRows(int count); // grows the grid when needed

    QString Header(int column) const;
    QStringList Headers() const { return m_headers; }
    void SetHeader(int column, const QString& text);
    void SetHeaders(const QStringList& headers); // also sets the column count

    QString Cell(int row, int column) const;                // "" outside the grid
    void SetCell(int row, int column, const QString& text); // grows the grid for a row past its end
    // A cell typed by the user: as SetCell, then onCellEdited.
    void EditCell(int row, int column, const QString& text);
    QStringList Row(int row) const;
    void SetRow(int row, const QStringList& cells);

    // Inserts an empty row at row (0..UsedRows()), shifting the following used rows down; the grid grows
    // when every row is in use. Returns the row, or -1 when row is out of range.
    int InsertRow(int row);
    // Deletes count rows from first on (within the used rows), shifting the rest up; the freed last rows
    // become empty. The number of rows stays.
    void DeleteRows(int first, int count = 1);
    // Every data cell empty, no used rows (the row count stays).
    void ClearRows();

    int CurrentRow() const { return m_currentRow; }
    void SetCurrentRow(int row) { m_currentRow = row; }

    // Puts the used rows in the given order: newOrder[i] is the old index of the row that goes to i.
    // newOrder must be a permutation of 0..UsedRows()-1; anything else is ignored.
    void ReorderUsedRows(const std::vector<int>& newOrder);
    void NotifyHeadersChanged();

    void AddObserver(TextGridObserver* observer);
    void RemoveObserver(TextGridObserver* observer);

    // Called after a user edit of a cell (EditCell), e.g. to mark the grid's area changed.
    std::function<void(int row, int column)> onCellEdited;

  private:
    void GrowTo(int rowCount);
    template <class F> void Notify(F f) {
        for (auto* o : m_observers)
            f(o);
    }

    QStringList m_headers;
    QList<QStringList> m_rows;
    int m_usedRows = 0;
    int m_currentRow = -1;
    std::vector<TextGridObserver*> m_observers;
};
