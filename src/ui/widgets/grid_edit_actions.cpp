#include "grid_edit_actions.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QShortcut>

namespace {

void Key(QAbstractItemView* view, QObject* context, QKeySequence sequence, const std::function<void()>& run) {
    auto* shortcut = new QShortcut(sequence, view, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, context, run);
}

} // namespace

void InstallGridEditActions(QAbstractItemView* view, QObject* context, GridEditActions actions) {
    if (actions.remove.run) Key(view, context, QKeySequence(Qt::Key_Delete), actions.remove.run);
    if (actions.edit.run) {
        Key(view, context, QKeySequence(Qt::CTRL | Qt::Key_Return), actions.edit.run);
        Key(view, context, QKeySequence(Qt::CTRL | Qt::Key_Enter), actions.edit.run);
    }
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, context,
                     [view, actions = std::move(actions)](const QPoint& at) {
                         QMenu menu(view);
                         std::vector<std::pair<QAction*, const GridEditAction*>> entries;
                         const auto entry = [&](const GridEditAction& action) {
                             if (!action.run) return;
                             QAction* item = menu.addAction(Translate(action.caption));
                             item->setEnabled(!action.enabled || action.enabled());
                             entries.emplace_back(item, &action);
                         };
                         entry(actions.add);
                         entry(actions.edit);
                         entry(actions.remove);
                         for (const GridEditAction& action : actions.more)
                             entry(action);
                         if (entries.empty()) return;
                         // The chosen entry runs once the menu has closed.
                         QAction* chosen = menu.exec(view->viewport()->mapToGlobal(at));
                         for (const auto& [item, action] : entries)
                             if (item == chosen) action->run();
                     });
}
