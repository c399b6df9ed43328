#pragma once
// The edit keys and the context menu of a grid of items, the same on every page that lists items:
// Delete removes, Ctrl+Enter (either Enter key) edits, and a right click offers Add / Edit / Delete and
// the page's further entries. An action without a callback gives neither a key nor a menu entry.
#include "storage/translate.h"

#include <functional>
#include <vector>

class QAbstractItemView;
class QObject;

struct GridEditAction {
    const char* caption = nullptr; // English, marked with N_(); translated when the menu opens
    std::function<void()> run;     // none: no entry (and no key)
    std::function<bool()> enabled; // none: always enabled in the menu; keys run regardless
};

struct GridEditActions {
    GridEditAction add{N_("Add"), {}, {}};
    GridEditAction edit{N_("Edit"), {}, {}};
    GridEditAction remove{N_("Delete"), {}, {}};
    std::vector<GridEditAction> more; // further menu entries, after Delete
};

// Gives the view the keys and the context menu; the menu's entries are enabled as the predicates say when
// it opens. The callbacks run only while `context` lives (the page's view object whose members they call).
void InstallGridEditActions(QAbstractItemView* view, QObject* context, GridEditActions actions);
