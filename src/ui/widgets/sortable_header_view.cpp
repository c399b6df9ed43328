#include "ui/widgets/sortable_header_view.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QMouseEvent>

SortableHeaderView::SortableHeaderView(SortableGrid& sortable, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_sortable(sortable) {
    // Sorting is ours; the header itself neither sorts nor selects columns.
    setSectionsClickable(false);
    setSortIndicatorShown(false);
}

void SortableHeaderView::mousePressEvent(QMouseEvent* event) {
    QHeaderView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    m_pressed = true;
    m_pressTimestamp = event->timestamp();
}

void SortableHeaderView::mouseReleaseEvent(QMouseEvent* event) {
    QHeaderView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_pressed) return;
    m_pressed = false;
    const QPoint pos = event->position().toPoint();
    if (!IsSortClick(static_cast<std::int64_t>(m_pressTimestamp),
                     static_cast<std::int64_t>(event->timestamp()), rect().contains(pos)))
        return;
    const int column = logicalIndexAt(pos);
    if (column < 0) return;
    const auto modifiers = event->modifiers();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_sortable.HeaderClick(column, modifiers.testFlag(Qt::ControlModifier),
                           modifiers.testFlag(Qt::ShiftModifier));
    QGuiApplication::restoreOverrideCursor();
    // The sort selects the first data row.
    if (auto* view = qobject_cast<QAbstractItemView*>(parentWidget()); view && view->model()) {
        const int row = m_sortable.Grid().CurrentRow();
        if (row >= 0) view->setCurrentIndex(view->model()->index(row, 0));
    }
    Q_EMIT Sorted(column);
}
