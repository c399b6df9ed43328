#pragma once
// The rows of a workshop list (parts, maintenance items, tires, tire history, suppliers, orders, events):
// ordered rows of text fields addressed by column index. In a file each row is one comma-text line of a
// list block. A row may hold fewer fields than the table has columns (the missing ones read as "") and
// keeps fields past the last column as read, so nothing of a file is dropped by loading and saving it.
#include "grid/sort_grid.h"

#include <QList>
#include <QString>
#include <QStringList>

class TTxtParser;

// Where a table is kept in a tag file: "key=begin;", one line per row, "key=end;".
struct ListBlock {
    QString key;
    QString begin = QStringLiteral("list_begin");
    QString end = QStringLiteral("list_end");
};

class TextTable {
  public:
    explicit TextTable(int columnCount = 0);

    int ColumnCount() const { return m_columnCount; }
    void SetColumnCount(int count); // the rows keep their fields
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const QList<QStringList>& Rows() const { return m_rows; }

    QString Field(int row, int column) const; // "" for a missing row or field
    QStringList Row(int row) const;           // the fields, at least ColumnCount() of them
    // An existing row and a column of the table; a short row grows to hold the field.
    void SetField(int row, int column, const QString& text);
    void SetRow(int row, const QStringList& fields);

    int AddRow(const QStringList& fields = {});              // the new row's index
    bool InsertRow(int row, const QStringList& fields = {}); // row 0..RowCount()
    void RemoveRows(int first, int count = 1);               // the part of the range that exists
    bool MoveRow(int from, int to);                          // to: the row's index afterwards
    void Clear() { m_rows.clear(); }

    // Stable sort by up to three keys, with the rules of SortGrid.
    void Sort(const SortKeys& keys);

    // The rows as the block's lines (each padded to ColumnCount() fields), and back.
    QStringList Lines() const;
    void SetLines(const QStringList& lines);

    // Reads the block of section: when the key's value is the begin marker, the lines up to the end
    // marker become the rows; otherwise the table is emptied and the result is false.
    bool Load(TTxtParser& reader, const QString& section, const ListBlock& block);
    // Writes the block into the section being written, also when the table is empty. False when a row's
    // line holds the end marker: reading the file stops the block at that row, so the caller should warn.
    bool Save(TTxtParser& writer, const ListBlock& block) const;

  private:
    int m_columnCount = 0;
    QList<QStringList> m_rows;
};
