#include "compared_page.h"

void ComparedPage::SetResult(CompareResult result) {
    m_result = std::move(result);
    m_grid.ClearRows();
    m_grid.SetHeaders(QStringList{QString()} + m_result.files);
    m_grid.SetRowCount(m_result.RowCount());
    for (int row = 0; row < m_result.RowCount(); ++row)
        m_grid.SetRow(row, QStringList{m_result.titles.at(row)} + m_result.values[std::size_t(row)]);
    m_grid.SetUsedRows(m_result.RowCount());
    m_grid.NotifyHeadersChanged();
    changed.Emit();
}

QList<int> ComparedPage::ColumnWidths(const std::function<int(const QString&)>& textWidth) const {
    QList<int> widths;
    for (int column = 0; column <= int(m_result.files.size()); ++column) {
        int widest = 0;
        for (int row = 0; row < m_result.RowCount(); ++row) {
            const QString& text =
                column == 0 ? m_result.titles.at(row) : m_result.values[std::size_t(row)].at(column - 1);
            if (!text.isEmpty()) widest = std::max(widest, textWidth(text));
        }
        widths << widest + 10;
    }
    return widths;
}
