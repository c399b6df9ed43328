#include "grid/text_grid.h"

#include <algorithm>

TextGrid::TextGrid(const QStringList& headers, int rowCount) : m_headers(headers) {
    m_rows.resize(std::max(0, rowCount), QStringList(ColumnCount()));
}

TextGrid::~TextGrid() {
    // A view's model may outlive the grid it shows when the grid's owner goes before the window.
    const auto observers = m_observers;
    for (auto* o : observers)
        o->GridDestroyed();
}

void TextGrid::SetColumnCount(int count) {
    count = std::max(0, count);
    if (count == ColumnCount()) return;
    Notify([](auto* o) { o->BeginReset(); });
    m_headers.resize(count);
    for (auto& row : m_rows)
        row.resize(count);
    Notify([](auto* o) { o->EndReset(); });
}

void TextGrid::SetRowCount(int count) {
    count = std::max(0, count);
    if (count > RowCount()) {
        GrowTo(count);
        return;
    }
    if (count == RowCount()) return;
    Notify([&](auto* o) { o->BeginTruncateRows(count, RowCount() - 1); });
    m_rows.resize(count);
    m_usedRows = std::min(m_usedRows, count);
    if (m_currentRow >= count) m_currentRow = count - 1;
    Notify([](auto* o) { o->EndTruncateRows(); });
}

void TextGrid::SetUsedRows(int count) {
    count = std::max(0, count);
    GrowTo(count);
    m_usedRows = count;
}

void TextGrid::GrowTo(int rowCount) {
    if (rowCount <= RowCount()) return;
    const int first = RowCount();
    Notify([&](auto* o) { o->BeginAppendRows(first, rowCount - 1); });
    m_rows.resize(rowCount, QStringList(ColumnCount()));
    Notify([](auto* o) { o->EndAppendRows(); });
}

QString TextGrid::Header(int column) const {
    return column >= 0 && column < ColumnCount() ? m_headers[column] : QString();
}

void TextGrid::SetHeader(int column, const QString& text) {
    if (column < 0 || column >= ColumnCount()) return;
    m_headers[column] = text;
    NotifyHeadersChanged();
}

void TextGrid::SetHeaders(const QStringList& headers) {
    SetColumnCount(static_cast<int>(headers.size()));
    m_headers = headers;
    NotifyHeadersChanged();
}

QString TextGrid::Cell(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return {};
    return m_rows[row][column];
}

void TextGrid::SetCell(int row, int column, const QString& text) {
    if (row < 0 || column < 0 || column >= ColumnCount()) return;
    GrowTo(row + 1);
    m_rows[row][column] = text;
    Notify([&](auto* o) { o->CellsChanged(row, row); });
}

void TextGrid::EditCell(int row, int column, const QString& text) {
    if (row < 0 || column < 0 || column >= ColumnCount()) return;
    SetCell(row, column, text);
    if (onCellEdited) onCellEdited(row, column);
}

QStringList TextGrid::Row(int row) const {
    if (row < 0 || row >= RowCount()) return QStringList(ColumnCount());
    return m_rows[row];
}

void TextGrid::SetRow(int row, const QStringList& cells) {
    if (row < 0) return;
    GrowTo(row + 1);
    QStringList fitted = cells;
    fitted.resize(ColumnCount());
    m_rows[row] = fitted;
    Notify([&](auto* o) { o->CellsChanged(row, row); });
}

int TextGrid::InsertRow(int row) {
    if (row < 0 || row > m_usedRows) return -1;
    GrowTo(m_usedRows + 1);
    // The row after the used ones is empty, so moving it up to row leaves an empty row there.
    m_rows.move(m_usedRows, row);
    m_rows[row] = QStringList(ColumnCount());
    ++m_usedRows;
    Notify([&](auto* o) { o->CellsChanged(row, m_usedRows - 1); });
    return row;
}

void TextGrid::DeleteRows(int first, int count) {
    if (first < 0 || first >= m_usedRows || count <= 0) return;
    count = std::min(count, m_usedRows - first);
    m_rows.remove(first, count);
    for (int i = 0; i < count; ++i)
        m_rows.insert(m_usedRows - count, QStringList(ColumnCount()));
    const int lastChanged = m_usedRows - 1;
    m_usedRows -= count;
    if (m_currentRow >= m_usedRows) m_currentRow = m_usedRows - 1;
    Notify([&](auto* o) { o->CellsChanged(first, lastChanged); });
}

void TextGrid::ClearRows() {
    for (auto& row : m_rows)
        row = QStringList(ColumnCount());
    m_usedRows = 0;
    m_currentRow = -1;
    if (RowCount() > 0) Notify([&](auto* o) { o->CellsChanged(0, RowCount() - 1); });
}

void TextGrid::ReorderUsedRows(const std::vector<int>& newOrder) {
    if (static_cast<int>(newOrder.size()) != m_usedRows) return;
    std::vector<bool> seen(newOrder.size(), false);
    for (int index : newOrder) {
        if (index < 0 || index >= m_usedRows || seen[index]) return;
        seen[index] = true;
    }
    QList<QStringList> reordered;
    reordered.reserve(m_usedRows);
    for (int index : newOrder)
        reordered.append(m_rows[index]);
    for (int i = 0; i < m_usedRows; ++i)
        m_rows[i] = reordered[i];
    if (m_usedRows > 0) Notify([&](auto* o) { o->CellsChanged(0, m_usedRows - 1); });
}

void TextGrid::NotifyHeadersChanged() {
    Notify([](auto* o) { o->HeadersChanged(); });
}

void TextGrid::AddObserver(TextGridObserver* observer) {
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void TextGrid::RemoveObserver(TextGridObserver* observer) {
    std::erase(m_observers, observer);
}
