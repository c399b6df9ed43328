#include "ui/widgets/tab_order.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLayout>
#include <QWidget>

namespace {
bool TakesTabFocus(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// The controls of one form row in their left-to-right order: the field itself, or the focusable
// widgets of a composite row (a button beside its unit label, say).
void AddRowControls(QLayoutItem* item, QList<QWidget*>& chain) {
    if (!item) return;
    if (QLayout* inner = item->layout()) {
        for (int at = 0; at < inner->count(); ++at)
            AddRowControls(inner->itemAt(at), chain);
        return;
    }
    QWidget* widget = item->widget();
    if (!widget) return;
    if (TakesTabFocus(widget)) {
        chain << widget;
        return;
    }
    if (QLayout* inner = widget->layout())
        for (int at = 0; at < inner->count(); ++at)
            AddRowControls(inner->itemAt(at), chain);
}
} // namespace

void ChainGroupTabOrder(QWidget* groupsContainer) {
    QList<QWidget*> chain;
    for (QGroupBox* box : groupsContainer->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        auto* form = qobject_cast<QFormLayout*>(box->layout());
        if (!form) continue;
        for (int row = 0; row < form->rowCount(); ++row)
            AddRowControls(form->itemAt(row, QFormLayout::FieldRole), chain);
    }
    for (qsizetype at = 1; at < chain.size(); ++at)
        QWidget::setTabOrder(chain.at(at - 1), chain.at(at));
}
