#include "grid/text_table.h"

#include "storage/comma_text.h"
#include "storage/txt_parser.h"

#include <algorithm>

TextTable::TextTable(int columnCount) : m_columnCount(std::max(0, columnCount)) {
}

void TextTable::SetColumnCount(int count) {
    m_columnCount = std::max(0, count);
}

QString TextTable::Field(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0) return {};
    return m_rows[row].value(column);
}

QStringList TextTable::Row(int row) const {
    if (row < 0 || row >= RowCount()) return QStringList(m_columnCount);
    return PadFields(m_rows[row], m_columnCount);
}

void TextTable::SetField(int row, int column, const QString& text) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= m_columnCount) return;
    QStringList& fields = m_rows[row];
    if (fields.size() <= column) fields = PadFields(fields, column + 1);
    fields[column] = text;
}

void TextTable::SetRow(int row, const QStringList& fields) {
    if (row < 0 || row >= RowCount()) return;
    m_rows[row] = fields;
}

int TextTable::AddRow(const QStringList& fields) {
    m_rows.append(fields);
    return RowCount() - 1;
}

bool TextTable::InsertRow(int row, const QStringList& fields) {
    if (row < 0 || row > RowCount()) return false;
    m_rows.insert(row, fields);
    return true;
}

void TextTable::RemoveRows(int first, int count) {
    if (first < 0 || first >= RowCount() || count <= 0) return;
    m_rows.remove(first, std::min(count, RowCount() - first));
}

bool TextTable::MoveRow(int from, int to) {
    if (from < 0 || from >= RowCount() || to < 0 || to >= RowCount()) return false;
    m_rows.move(from, to);
    return true;
}

void TextTable::Sort(const SortKeys& keys) {
    const auto order = SortedRowOrder(
        RowCount(), [this](int row, int column) { return Field(row, column); }, keys);
    QList<QStringList> sorted;
    sorted.reserve(RowCount());
    for (int index : order)
        sorted.append(m_rows[index]);
    m_rows = std::move(sorted);
}

QStringList TextTable::Lines() const {
    QStringList lines;
    lines.reserve(RowCount());
    for (const QStringList& fields : m_rows)
        lines.append(CommaTextJoin(PadFields(fields, m_columnCount)));
    return lines;
}

void TextTable::SetLines(const QStringList& lines) {
    m_rows.clear();
    m_rows.reserve(lines.size());
    for (const QString& line : lines)
        m_rows.append(CommaTextSplit(line));
}

bool TextTable::Load(TTxtParser& reader, const QString& section, const ListBlock& block) {
    m_rows.clear();
    if (reader.ReadValue(section, block.key) != block.begin) return false;
    QStringList lines;
    reader.ReadLines(lines, block.end);
    SetLines(lines);
    return true;
}

bool TextTable::Save(TTxtParser& writer, const ListBlock& block) const {
    const QStringList lines = Lines();
    writer.WriteValue(block.key, block.begin);
    writer.WriteLines(lines);
    writer.WriteValue(block.key, block.end);
    return std::none_of(lines.begin(), lines.end(), [&](const QString& line) {
        return !block.end.isEmpty() && line.contains(block.end);
    });
}
