#include "ui/widgets/grid_cell_editor.h"

#include <QAbstractItemView>
#include <QKeyEvent>

GridCellEditor::GridCellEditor(QAbstractItemView* view, SettingsStore* settings, const QStringList& rowKeys,
                               int maximum)
    : TMRUComboBox(view->viewport()), m_view(view), m_settings(settings), m_rowKeys(rowKeys),
      m_maximum(maximum) {
    hide();
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { EditCell(index); });
}

bool GridCellEditor::EditCell(const QModelIndex& index) {
    if (!index.isValid() || index.model() != m_view->model()) return false;
    const QString key = m_rowKeys.value(index.row());
    if (key.isEmpty()) return false;
    if (m_index.isValid() && m_index != index) Leave();
    SetHistory(m_settings, key, m_maximum);
    SetText(index.data(Qt::EditRole).toString());
    m_index = index;
    setGeometry(m_view->visualRect(index));
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    return true;
}

void GridCellEditor::Leave() {
    if (!m_index.isValid()) return;
    const QPersistentModelIndex index = m_index;
    m_index = QPersistentModelIndex(); // hiding moves the focus, which calls Leave again
    const QString text = currentText();
    m_view->model()->setData(index, text, Qt::EditRole);
    AddToHistory(text);
    hide();
    m_view->setFocus(Qt::OtherFocusReason);
}

bool GridCellEditor::event(QEvent* event) {
    // Tab would move the focus along the window's chain; here it moves on to the grid's next cell.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier && m_index.isValid()) {
        MoveToNextCell();
        return true;
    }
    return TMRUComboBox::event(event);
}

void GridCellEditor::MoveToNextCell() {
    const auto* model = m_view->model();
    int row = m_index.row(), column = m_index.column() + 1;
    if (column >= model->columnCount()) {
        column = 0;
        ++row;
    }
    Leave();
    if (row >= model->rowCount()) return;
    const QModelIndex next = model->index(row, column);
    m_view->setCurrentIndex(next);
    EditCell(next);
}
