#include "popup_width.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>

void FitPopupToItems(QComboBox* box) {
    QAbstractItemView* view = box->view();
    int longest = 0;
    for (int i = 0; i < box->count(); ++i)
        longest = std::max(longest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    // Room for the item's margins and a scroll bar when the list is long.
    const int width = longest + 2 * view->frameWidth() + 16 + view->verticalScrollBar()->sizeHint().width();
    view->setMinimumWidth(width);
}
