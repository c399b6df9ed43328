#include "tire_list_page_view.h"

#include "storage/translate.h"
#include "ui/widgets/grid_column_widths.h"
#include "workshop/tire_list_page.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton* Button(const QString& caption, QHBoxLayout* layout) {
    auto* button = new QPushButton(caption);
    layout->addWidget(button);
    return button;
}

// The menu texts of "Use as ... tire", by position.
QStringList UseAsTexts(VehicleType vehicle) {
    if (ShowsCircumference(vehicle))
        return {Translate("Use as front left tire"), Translate("Use as front right tire"),
                Translate("Use as rear left tire"), Translate("Use as rear right tire")};
    QStringList texts = {Translate("Use as front tire"), Translate("Use as rear tire")};
    if (vehicle == VehicleType::Sidecar) texts << Translate("Use as side tire");
    return texts;
}

} // namespace

TireListPageView::TireListPageView(TireListPage& page, QWidget* window) : m_page(page), m_window(window) {
}

TireListPageView::~TireListPageView() = default;

void TireListPageView::Build(QWidget* host) {
    auto* layout = new QVBoxLayout(host);
    auto* bar = new QHBoxLayout;
    m_save = Button(Translate("Save"), bar);
    m_save->setObjectName(QStringLiteral("TireListSave"));
    connect(m_save, &QPushButton::clicked, this, [this] { m_page.SaveTireList(); });
    connect(Button(Translate("Add tire"), bar), &QPushButton::clicked, this, [this] { m_page.AddTire(); });
    m_edit = Button(Translate("Edit tire"), bar);
    connect(m_edit, &QPushButton::clicked, this, [this] { m_page.EditTire(); });
    m_delete = Button(Translate("Delete tire"), bar);
    connect(m_delete, &QPushButton::clicked, this, [this] { m_page.DeleteTires(); });
    m_clone = Button(Translate("Clone tire"), bar);
    connect(m_clone, &QPushButton::clicked, this, [this] { m_page.CloneTire(); });
    m_positionBar = new QHBoxLayout;
    bar->addLayout(m_positionBar);
    QPushButton* tags = Button(Translate("Export tire tags"), bar);
    auto* tagMenu = new QMenu(tags);
    connect(tagMenu->addAction(Translate("To HTML")), &QAction::triggered, this, [this] {
        if (exportTags) exportTags();
    });
    connect(tagMenu->addAction(Translate("To label printer")), &QAction::triggered, this, [this] {
        if (printLabels) printLabels();
    });
    tags->setMenu(tagMenu);
    connect(Button(Translate("Refresh"), bar), &QPushButton::clicked, this,
            [this] { m_page.SelectNode(m_page.SelectedNode()); });
    bar->addStretch();
    layout->addLayout(bar);

    auto* split = new QSplitter(Qt::Horizontal);
    m_tree = new QTreeWidget;
    m_tree->setHeaderHidden(true);
    split->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (m_refreshing || !item) return;
        m_page.SelectNode(item->data(0, Qt::UserRole).toInt());
    });

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_checkAll = new QCheckBox(Translate("Check/Uncheck all tires"));
    rightLayout->addWidget(m_checkAll);
    connect(m_checkAll, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing) m_page.CheckAll(on);
    });
    auto* vsplit = new QSplitter(Qt::Vertical);
    m_list = new QTableWidget;
    m_list->setObjectName(QStringLiteral("TireListTable"));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection); // Ctrl+A selects all
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &TireListPageView::ShowListMenu);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, [this] {
        if (m_refreshing) return;
        const auto& tires = m_page.View().tires;
        const auto idOf = [&](int row) { return m_page.List().tires[size_t(tires[size_t(row)])].Id(); };
        QStringList ids;
        const int current = m_list->currentRow();
        if (current >= 0 && current < int(tires.size()) &&
            m_list->selectionModel()->isRowSelected(current, {}))
            ids << idOf(current);
        for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
            if (index.row() < int(tires.size())) ids << idOf(index.row());
        m_page.SelectTires(ids);
    });
    connect(m_list, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_refreshing || item->column() != 0) return;
        m_page.SetChecked(item->data(Qt::UserRole).toString(), item->checkState() == Qt::Checked);
    });
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this] { m_page.EditTire(); });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        const auto& columns = m_page.View().columns;
        if (section >= 0 && section < int(columns.size())) m_page.HeaderClick(columns[size_t(section)]);
    });
    auto* del = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, [this] { m_page.DeleteTires(); });
    vsplit->addWidget(m_list);

    auto* historyBox = new QWidget;
    auto* historyLayout = new QVBoxLayout(historyBox);
    historyLayout->setContentsMargins(0, 0, 0, 0);
    m_history = new QTableWidget;
    m_history->setObjectName(QStringLiteral("TireHistoryTable"));
    m_history->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_history->setSelectionMode(QAbstractItemView::SingleSelection);
    m_history->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_history->verticalHeader()->hide();
    m_history->setColumnCount(kHistoryColumnCount);
    m_history->setHorizontalHeaderLabels(TireHistoryCaptions());
    const int widths[kHistoryColumnCount] = {65, 100, 65, 100, 65, 45, 60, 60, 100};
    for (int c = 0; c < kHistoryColumnCount; ++c)
        SetColumnWidthAtLeastCaption(*m_history, c, widths[c] + 20);
    connect(m_history, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (row >= 0 && row < m_history->rowCount())
            m_page.EditTireHistory(row);
        else
            m_page.AddTireHistory();
    });
    connect(m_history, &QTableWidget::itemSelectionChanged, this, [this] {
        const bool entry = ClickedHistoryRow() >= 0;
        m_editHistory->setEnabled(entry);
        m_deleteHistory->setEnabled(entry);
    });
    auto* delHistory = new QShortcut(QKeySequence::Delete, m_history, nullptr, nullptr, Qt::WidgetShortcut);
    connect(delHistory, &QShortcut::activated, this,
            [this] { m_page.DeleteTireHistory(ClickedHistoryRow()); });
    historyLayout->addWidget(m_history);
    auto* historyBar = new QHBoxLayout;
    connect(Button(Translate("Add history"), historyBar), &QPushButton::clicked, this,
            [this] { m_page.AddTireHistory(); });
    m_editHistory = Button(Translate("Edit history"), historyBar);
    connect(m_editHistory, &QPushButton::clicked, this,
            [this] { m_page.EditTireHistory(ClickedHistoryRow()); });
    m_deleteHistory = Button(Translate("Delete history"), historyBar);
    connect(m_deleteHistory, &QPushButton::clicked, this,
            [this] { m_page.DeleteTireHistory(ClickedHistoryRow()); });
    historyBar->addStretch();
    historyLayout->addLayout(historyBar);
    vsplit->addWidget(historyBox);
    vsplit->setStretchFactor(0, 3);
    vsplit->setStretchFactor(1, 2);
    rightLayout->addWidget(vsplit);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({180, 800});
    layout->addWidget(split, 1);

    m_connections += m_page.changed.Connect([this] { Refresh(); });
    Refresh();
}

int TireListPageView::ClickedHistoryRow() const {
    const int row = m_history->currentRow();
    const auto* item = row >= 0 ? m_history->item(row, 0) : nullptr;
    return item && !item->text().isEmpty() ? row : -1;
}

void TireListPageView::BuildPositionButtons() {
    while (QLayoutItem* item = m_positionBar->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QStringList positions = TirePositions(m_page.Vehicle());
    const QStringList texts = UseAsTexts(m_page.Vehicle());
    for (int i = 0; i < positions.size(); ++i) {
        auto* button = Button(positions[i], m_positionBar);
        button->setToolTip(texts.value(i));
        connect(button, &QPushButton::clicked, this, [this, i] { m_page.AssignTire(i); });
    }
}

void TireListPageView::Refresh() {
    if (!m_list) return;
    m_refreshing = true;
    if (m_builtVehicle != int(m_page.Vehicle())) {
        m_builtVehicle = int(m_page.Vehicle());
        BuildPositionButtons();
    }
    FillTree();
    FillList();
    FillHistory();
    const bool selected = !m_page.SelectedId().isEmpty();
    m_save->setEnabled(m_page.IsDirty());
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_clone->setEnabled(selected);
    m_refreshing = false;
}

void TireListPageView::FillTree() {
    m_tree->clear();
    QTreeWidgetItem* parent = nullptr;
    QTreeWidgetItem* current = nullptr;
    const auto& nodes = m_page.Tree();
    for (int i = 0; i < int(nodes.size()); ++i) {
        QTreeWidgetItem* item = nullptr;
        if (nodes[size_t(i)].level == 0 || !parent) {
            item = new QTreeWidgetItem(m_tree, {nodes[size_t(i)].text});
            parent = item;
        } else {
            item = new QTreeWidgetItem(parent, {nodes[size_t(i)].text});
        }
        item->setData(0, Qt::UserRole, i);
        if (i == m_page.SelectedNode()) current = item;
    }
    m_tree->expandAll();
    if (current) m_tree->setCurrentItem(current);
}

void TireListPageView::FillList() {
    const TireListView& view = m_page.View();
    const VehicleType vehicle = m_page.Vehicle();
    m_list->clear();
    m_list->setColumnCount(int(view.headers.size()));
    m_list->setHorizontalHeaderLabels(view.headers);
    for (int c = 0; c < int(view.columns.size()); ++c)
        SetColumnWidthAtLeastCaption(
            *m_list, c, InitialTireColumnWidth(view.columns[size_t(c)], vehicle) + (c == 0 ? 30 : 10));
    m_list->setRowCount(int(view.cells.size()));
    int selectedRow = -1;
    for (int r = 0; r < int(view.cells.size()); ++r) {
        const QString id = m_page.List().tires[size_t(view.tires[size_t(r)])].Id();
        for (int c = 0; c < view.cells[r].size(); ++c) {
            auto* item = new QTableWidgetItem(view.cells[r][c]);
            if (c == 0) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(m_page.IsChecked(id) ? Qt::Checked : Qt::Unchecked);
                item->setData(Qt::UserRole, id);
            }
            m_list->setItem(r, c, item);
        }
        if (id == m_page.SelectedId()) selectedRow = r;
        if (m_page.SelectedIds().contains(id))
            m_list->selectionModel()->select(m_list->model()->index(r, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (selectedRow >= 0) {
        m_list->selectionModel()->setCurrentIndex(m_list->model()->index(selectedRow, 0),
                                                  QItemSelectionModel::NoUpdate);
        m_list->scrollToItem(m_list->item(selectedRow, 0));
    }
}

void TireListPageView::FillHistory() {
    const QList<QStringList> rows = m_page.SelectedHistory();
    m_history->clearContents();
    m_history->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            m_history->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    m_editHistory->setEnabled(!rows.isEmpty());
    m_deleteHistory->setEnabled(!rows.isEmpty());
}

void TireListPageView::ShowListMenu(const QPoint& at) {
    QMenu menu;
    const bool selected = !m_page.SelectedId().isEmpty();
    menu.addAction(Translate("Add tire"), this, [this] { m_page.AddTire(); });
    menu.addAction(Translate("Edit tire"), this, [this] { m_page.EditTire(); })->setEnabled(selected);
    menu.addAction(Translate("Delete tire"), this, [this] { m_page.DeleteTires(); })->setEnabled(selected);
    menu.addAction(Translate("Clone tire"), this, [this] { m_page.CloneTire(); })->setEnabled(selected);
    menu.addSeparator();
    const QStringList texts = UseAsTexts(m_page.Vehicle());
    for (int i = 0; i < texts.size(); ++i)
        menu.addAction(texts[i], this, [this, i] { m_page.AssignTire(i); })->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(Translate("Add history"), this, [this] { m_page.AddTireHistory(); })->setEnabled(selected);
    menu.exec(m_list->viewport()->mapToGlobal(at));
}
