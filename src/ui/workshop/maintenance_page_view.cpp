#include "maintenance_page_view.h"

#include "storage/date_time.h"
#include "storage/translate.h"
#include "ui/widgets/grid_column_widths.h"
#include "ui/widgets/grid_edit_actions.h"
#include "ui/widgets/text_grid_model.h"

#include <algorithm>

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QDate DateOf(double day) {
    return DateTimeFromDayNumber(day).date();
}
double DayOf(const QDate& date) {
    return DayNumberFromDateTime(QDateTime(date, QTime(0, 0)));
}

Qt::CheckState CheckOf(TickState state) {
    switch (state) {
    case TickState::Ticked:
        return Qt::Checked;
    case TickState::Partly:
        return Qt::PartiallyChecked;
    case TickState::Unticked:
        break;
    }
    return Qt::Unchecked;
}

QTableView* MakeTable(TextGridModel* model, QWidget* parent, const std::vector<int>& widths) {
    auto* table = new QTableView(parent);
    table->setModel(model);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    for (std::size_t c = 0; c < widths.size(); ++c)
        SetColumnWidthAtLeastCaption(*table, static_cast<int>(c), widths[c]);
    // The date column holds a whole "yyyy-mm-dd" in the font shown.
    const int dateWidth = table->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 16;
    table->setColumnWidth(0, std::max(table->columnWidth(0), dateWidth));
    return table;
}

} // namespace

MaintenancePageView::MaintenancePageView(MaintenancePage& model, QObject* parent)
    : QObject(parent), m_model(model) {
    m_connections += m_model.changed.Connect([this] { Refresh(); });
    m_connections += m_model.groupsChanged.Connect([this] {
        RebuildGroupPages();
        RefillLists();
        Refresh();
    });
}

MaintenancePageView::~MaintenancePageView() = default;

QTableView* MaintenancePageView::GroupTable(int group) const {
    return group >= 0 && group < static_cast<int>(m_groupPages.size()) ? m_groupPages[group].table : nullptr;
}

QPushButton* MaintenancePageView::MakeButton(const QString& name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(Translate(caption), parent);
    button->setObjectName(name);
    m_buttons.insert(name, button);
    return button;
}

void MaintenancePageView::Build(QTabWidget* pages, int index, QWidget* reportHost) {
    auto* subPages = qobject_cast<QTabWidget*>(pages->widget(index));
    if (!subPages || !reportHost) return;
    m_subPages = subPages;
    const QString caption = pages->tabText(index);
    const QVariant path = subPages->property("pagePath");
    const bool current = pages->currentIndex() == index;
    pages->removeTab(index);
    auto* container = new QWidget(pages);
    container->setProperty("pagePath", path);
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(BuildHeader(container));
    subPages->setParent(container);
    layout->addWidget(subPages, 1);
    subPages->show();
    pages->insertTab(index, container, caption);
    if (current) pages->setCurrentIndex(index);

    BuildReport(reportHost);
    m_selectedModel = new TextGridModel(m_model.SelectedItemsGrid(), nullptr, this);
    auto* selectedPage = new QWidget(subPages);
    auto* selectedLayout = new QVBoxLayout(selectedPage);
    m_selectedTable = MakeTable(m_selectedModel, selectedPage, {70, 50, 100, 300, 100});
    m_selectedTable->setObjectName(QStringLiteral("selectedItems"));
    m_selectedTable->horizontalHeader()->setStretchLastSection(false);
    m_selectedTable->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    selectedLayout->addWidget(m_selectedTable);
    subPages->insertTab(MaintenancePage::kSelectedItemsPage, selectedPage, Translate("Selected items"));
    connect(subPages, &QTabWidget::currentChanged, this, [this](int page) {
        if (!m_refreshing && page >= 0) m_model.SetActivePage(page);
    });
    m_built = true;
    RebuildGroupPages();
    RefillLists();
    Refresh();
}

QWidget* MaintenancePageView::BuildHeader(QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(6, 0, 6, 0);
    connect(MakeButton(QStringLiteral("save"), "Save", header), &QPushButton::clicked, this,
            [this] { m_model.SaveMaintenance(); });
    connect(MakeButton(QStringLiteral("addGroup"), "Add group", header), &QPushButton::clicked, this,
            [this] { m_model.AddMaintenanceGroup(); });
    connect(MakeButton(QStringLiteral("editGroup"), "Edit group", header), &QPushButton::clicked, this,
            [this] { m_model.RenameMaintenanceGroup(); });
    connect(MakeButton(QStringLiteral("deleteGroup"), "Delete group", header), &QPushButton::clicked, this,
            [this] { m_model.DeleteMaintenanceGroup(); });
    for (const char* name : {"save", "addGroup", "editGroup", "deleteGroup"})
        row->addWidget(m_buttons.value(QString::fromLatin1(name)));
    m_groupTotal = new QLabel(header);
    m_groupTotal->setObjectName(QStringLiteral("groupTotal"));
    m_groupTotal->setToolTip(MaintenancePage::GroupTotalHint());
    row->addSpacing(12);
    row->addWidget(m_groupTotal);
    row->addStretch(1);
    return header;
}

void MaintenancePageView::BuildReport(QWidget* host) {
    auto* layout = new QHBoxLayout(host);
    auto makeList = [&](const char* title, QCheckBox*& all, QListWidget*& list, const char* name) {
        auto* box = new QGroupBox(Translate(title), host);
        auto* boxLayout = new QVBoxLayout(box);
        all = new QCheckBox(Translate("all"), box);
        all->setObjectName(QStringLiteral("all") + QString::fromLatin1(name));
        all->setTristate(true);
        list = new QListWidget(box);
        list->setObjectName(QString::fromLatin1(name));
        boxLayout->addWidget(all);
        boxLayout->addWidget(list, 1);
        layout->addWidget(box, 1);
    };
    makeList("Groups", m_allGroups, m_groupList, "groups");
    makeList("Suppliers", m_allSuppliers, m_supplierList, "suppliers");
    // A click on an "all" box ticks or unticks every entry; it never becomes indeterminate by a click.
    connect(m_allGroups, &QCheckBox::clicked, this, [this] {
        m_model.SetGroupsAll(m_model.GroupsAll() == TickState::Ticked ? TickState::Unticked
                                                                      : TickState::Ticked);
    });
    connect(m_allSuppliers, &QCheckBox::clicked, this, [this] {
        m_model.SetSuppliersAll(m_model.SuppliersAll() == TickState::Ticked ? TickState::Unticked
                                                                            : TickState::Ticked);
    });
    connect(m_groupList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_refreshing) m_model.SetGroupTicked(item->text(), item->checkState() == Qt::Checked);
    });
    connect(m_supplierList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_refreshing) m_model.SetSupplierTicked(item->text(), item->checkState() == Qt::Checked);
    });

    auto* dates = new QGroupBox(Translate("Dates"), host);
    auto* form = new QVBoxLayout(dates);
    m_useAllDates = new QCheckBox(Translate("Use all dates"), dates);
    m_useAllDates->setObjectName(QStringLiteral("useAllDates"));
    connect(m_useAllDates, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing) m_model.SetUseAllDates(on);
    });
    form->addWidget(m_useAllDates);
    auto makeDate = [&](const char* caption, QDateEdit*& edit, const char* name) {
        form->addWidget(new QLabel(Translate(caption), dates));
        edit = new QDateEdit(dates);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        form->addWidget(edit);
    };
    makeDate(N_("From date"), m_from, "fromDate");
    makeDate(N_("To date"), m_to, "toDate");
    connect(m_from, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (!m_refreshing) m_model.SetFromDay(DayOf(date));
    });
    connect(m_to, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (!m_refreshing) m_model.SetToDay(DayOf(date));
    });
    form->addSpacing(12);
    form->addWidget(new QLabel(Translate("Total cost"), dates));
    m_total = new QLineEdit(dates);
    m_total->setObjectName(QStringLiteral("totalCost"));
    m_total->setReadOnly(true);
    form->addWidget(m_total);
    form->addStretch(1);
    layout->addWidget(dates);
}

QWidget* MaintenancePageView::BuildGroupPage(int group) {
    auto* page = new QWidget(m_subPages);
    auto* layout = new QVBoxLayout(page);
    auto* bar = new QHBoxLayout;
    GroupPage entry;
    entry.page = page;
    const std::pair<const char*, const char*> commands[] = {{"addItem", N_("Add item")},
                                                            {"editItem", N_("Edit item")},
                                                            {"deleteItem", N_("Delete item")},
                                                            {"duplicateItem", N_("Duplicate item")}};
    for (const auto& [name, caption] : commands) {
        auto* button = new QPushButton(Translate(caption), page);
        button->setObjectName(QString::fromLatin1(name));
        entry.buttons.insert(QString::fromLatin1(name), button);
        bar->addWidget(button);
    }
    bar->addStretch(1);
    connect(entry.buttons.value(QStringLiteral("addItem")), &QPushButton::clicked, this,
            [this] { m_model.AddMaintenanceItem(); });
    connect(entry.buttons.value(QStringLiteral("editItem")), &QPushButton::clicked, this,
            [this] { m_model.EditMaintenanceItem(); });
    connect(entry.buttons.value(QStringLiteral("deleteItem")), &QPushButton::clicked, this,
            [this] { m_model.DeleteMaintenanceItems(); });
    connect(entry.buttons.value(QStringLiteral("duplicateItem")), &QPushButton::clicked, this,
            [this] { m_model.DuplicateMaintenanceItem(); });
    layout->addLayout(bar);

    entry.model = new TextGridModel(m_model.GroupGrid(group), nullptr, page);
    entry.table = MakeTable(entry.model, page, {70, 50, 100});
    entry.table->setObjectName(QStringLiteral("items"));
    QTableView* table = entry.table;
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, table] {
        if (m_refreshing) return;
        const QModelIndexList rows = table->selectionModel()->selectedRows();
        if (rows.isEmpty()) return;
        int top = rows.first().row(), bottom = top;
        for (const QModelIndex& index : rows) {
            top = std::min(top, index.row());
            bottom = std::max(bottom, index.row());
        }
        m_model.SetSelection(top, bottom);
    });
    connect(table, &QTableView::doubleClicked, this, [this] { m_model.EditMaintenanceItem(); });
    const auto onItem = [this] { return m_model.EditDeleteDuplicateEnabled(); };
    InstallGridEditActions(
        table, this,
        {.add = {N_("&Add item"), [this] { m_model.AddMaintenanceItem(); }, {}},
         .edit = {N_("&Edit item"), [this] { m_model.EditMaintenanceItem(); }, onItem},
         .remove = {N_("&Delete item"), [this] { m_model.DeleteMaintenanceItems(); }, onItem},
         .more = {{N_("D&uplicate item"), [this] { m_model.DuplicateMaintenanceItem(); }, onItem}}});
    layout->addWidget(table, 1);
    m_groupPages.push_back(entry);
    return page;
}

void MaintenancePageView::RebuildGroupPages() {
    if (!m_built || !m_subPages) return;
    m_refreshing = true;
    while (m_subPages->count() > MaintenancePage::kFirstGroupPage) {
        QWidget* page = m_subPages->widget(MaintenancePage::kFirstGroupPage);
        m_subPages->removeTab(MaintenancePage::kFirstGroupPage);
        delete page;
    }
    m_groupPages.clear();
    for (int g = 0; g < m_model.Log().GroupCount(); ++g)
        m_subPages->addTab(BuildGroupPage(g), m_model.PageTitle(MaintenancePage::kFirstGroupPage + g));
    m_refreshing = false;
}

void MaintenancePageView::RefillLists() {
    if (!m_built) return;
    m_refreshing = true;
    m_groupList->clear();
    for (const QString& name : m_model.GroupNames()) {
        auto* item = new QListWidgetItem(name, m_groupList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    m_supplierList->clear();
    for (const QString& name : m_model.Suppliers()) {
        auto* item = new QListWidgetItem(name, m_supplierList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    m_refreshing = false;
}

void MaintenancePageView::Refresh() {
    if (!m_built || !m_subPages) return;
    m_refreshing = true;
    // Suppliers are only ever added: new names join the list.
    if (m_supplierList->count() != m_model.Suppliers().size()) {
        m_supplierList->clear();
        for (const QString& name : m_model.Suppliers()) {
            auto* item = new QListWidgetItem(name, m_supplierList);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < m_groupList->count(); ++i) {
        QListWidgetItem* item = m_groupList->item(i);
        item->setCheckState(m_model.GroupTicked(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
    for (int i = 0; i < m_supplierList->count(); ++i) {
        QListWidgetItem* item = m_supplierList->item(i);
        item->setCheckState(m_model.SupplierTicked(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
    m_allGroups->setCheckState(CheckOf(m_model.GroupsAll()));
    m_allSuppliers->setCheckState(CheckOf(m_model.SuppliersAll()));
    m_useAllDates->setChecked(m_model.UseAllDates());
    m_from->setDate(DateOf(m_model.FromDay()));
    m_to->setDate(DateOf(m_model.ToDay()));
    m_from->setEnabled(m_model.DateFieldsEnabled());
    m_to->setEnabled(m_model.DateFieldsEnabled());
    m_total->setText(m_model.TotalCostText());

    for (int g = 0; g < static_cast<int>(m_groupPages.size()); ++g)
        m_subPages->setTabText(MaintenancePage::kFirstGroupPage + g,
                               m_model.PageTitle(MaintenancePage::kFirstGroupPage + g));
    if (m_subPages->currentIndex() != m_model.ActivePage()) m_subPages->setCurrentIndex(m_model.ActivePage());
    m_buttons.value(QStringLiteral("editGroup"))->setEnabled(m_model.GroupCommandsEnabled());
    m_buttons.value(QStringLiteral("deleteGroup"))->setEnabled(m_model.GroupCommandsEnabled());
    m_buttons.value(QStringLiteral("save"))->setEnabled(m_model.IsDirty());
    m_groupTotal->setVisible(m_model.GroupTotalVisible());
    m_groupTotal->setText(m_model.GroupTotalCaption());
    const int active = m_model.ActiveGroup();
    if (active >= 0 && active < static_cast<int>(m_groupPages.size())) {
        const GroupPage& page = m_groupPages[active];
        for (const char* name : {"editItem", "deleteItem", "duplicateItem"})
            page.buttons.value(QString::fromLatin1(name))->setEnabled(m_model.EditDeleteDuplicateEnabled());
    }
    m_refreshing = false;
}
