#include "archive_page_view.h"

#include "app/app_state.h"
#include "app/column_widths.h"
#include "archive_list_model.h"
#include "new_session_dialog.h"
#include "storage/translate.h"
#include "storage/vehicle.h"
#include "ui/widgets/grid_column_widths.h"
#include "workspace/workspace.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kWidthsStore = QStringLiteral("CompletedSessions");

// Where a tree item's node is: top index, child index (-1 for a top node).
constexpr int kTopRole = Qt::UserRole;
constexpr int kChildRole = Qt::UserRole + 1;

} // namespace

ArchivePageView::ArchivePageView(Workspace& workspace, QWidget* host,
                                 const std::function<QAction*(MenuCommand)>& actions)
    : QWidget(host), m_workspace(workspace), m_state(workspace.State()), m_page(&workspace.Archive()) {
    setObjectName(QStringLiteral("archivePage"));
    auto* hostLayout = new QVBoxLayout(host);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    hostLayout->addWidget(this);
    BuildControls();
    // The initial widths suit a small 8-point font; a wider font gets them widened alike.
    const double scale =
        std::max(1.0, m_list->fontMetrics().horizontalAdvance(QStringLiteral("2000-00-00")) / 58.0);
    QList<int> widths = DefaultSummaryWidths();
    const QStringList headers = SummaryHeaders({});
    for (int column = 0; column < ArchiveColumn::kVisible; ++column) {
        const QFontMetrics metrics = m_list->fontMetrics();
        int least = metrics.horizontalAdvance(headers[column]) + 18;
        if (column == ArchiveColumn::Density)
            least = std::max(least, metrics.horizontalAdvance(QStringLiteral("0.0000")) + 12);
        widths[column] = std::max(least, int(widths[column] * scale + 0.5));
    }
    m_page->SetWidths(widths);
    if (SettingsStore* store = m_state.GetServices().settings)
        if (const auto stored = LoadColumnWidths(*store, kWidthsStore, ArchiveColumn::kCount))
            m_page->SetWidths(*stored);
    m_connections += m_page->listChanged.Connect([this] { ListChanged(); });

    if (QAction* reopenSession = actions ? actions(MenuCommand::ReopenSession) : nullptr) {
        m_reopenMenu = new QMenu(this);
        m_reopenMenu->setObjectName(QStringLiteral("reopenSessionMenu"));
        reopenSession->setMenu(m_reopenMenu);
        connect(m_reopenMenu, &QMenu::aboutToShow, this, [this] { FillReopenMenu(); });
    }
    m_workspace.requestNewSessionChoice = [this](const NewSessionDefaults& defaults) {
        return TPrepareNewSessionDialog::Ask(defaults, m_state.GetServices().settings, window());
    };
}

ArchivePageView::~ArchivePageView() {
    m_workspace.requestNewSessionChoice = {};
    SettingsStore* store = m_state.GetServices().settings;
    if (store && m_widthsChanged) {
        QList<int> shown;
        for (int column = 0; column < ArchiveColumn::kCount; ++column)
            shown << m_list->columnWidth(column);
        m_page->TakeViewWidths(shown);
        QList<int> widths = m_page->Widths();
        for (int column = ArchiveColumn::kVisible; column < widths.size(); ++column)
            widths[column] = 0;
        SaveColumnWidths(*store, kWidthsStore, widths);
    }
}

void ArchivePageView::BuildControls() {
    auto* layout = new QHBoxLayout(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter = splitter;
    layout->addWidget(splitter);

    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    static const char* const kFilterNames[] = {"FilterYearComboBox", "FilterDriverComboBox",
                                               "FilterEngineComboBox", "FilterFrameComboBox"};
    for (int box = 0; box < 4; ++box) {
        auto* combo = new QComboBox(left);
        combo->setObjectName(QLatin1String(kFilterNames[box]));
        connect(combo, &QComboBox::currentTextChanged, this, [this, box](const QString& text) {
            if (m_filling) return;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            m_page->SetFilter(box, text);
            FillFilters();
            FillTree();
            QApplication::restoreOverrideCursor();
        });
        m_filters[std::size_t(box)] = combo;
        leftLayout->addWidget(combo);
    }
    m_tree = new QTreeWidget(left);
    m_tree->setObjectName(QStringLiteral("CompletedSessionsTreeView"));
    m_tree->setHeaderHidden(true);
    leftLayout->addWidget(m_tree, 1);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (m_filling || !item) return;
        const auto& tree = m_page->Tree();
        const int top = item->data(0, kTopRole).toInt();
        const int child = item->data(0, kChildRole).toInt();
        if (top < 0 || top >= int(tree.size())) return;
        const TreeNode& node =
            child < 0 ? tree[std::size_t(top)] : tree[std::size_t(top)].children[std::size_t(child)];
        m_page->SelectNode(node);
    });

    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_model = new ArchiveListModel(*m_page, this);
    m_list = new QTableView(right);
    m_list->setObjectName(QStringLiteral("CompletedSessionsList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->verticalHeader()->setVisible(false);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setSectionsClickable(true);
    m_list->horizontalHeader()->setSortIndicatorShown(true);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->installEventFilter(this);
    rightLayout->addWidget(m_list, 1);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_settingWidths) m_widthsChanged = true;
    });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { m_page->HeaderClick(column); });
    connect(m_list, &QTableView::doubleClicked, this, [this] { m_page->Open(CurrentRow()); });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { ShowContextMenu(p); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateCommands(); });

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* caption, const char* name) {
        auto* b = new QPushButton(Translate(caption), right);
        b->setObjectName(QLatin1String(name));
        buttons->addWidget(b);
        return b;
    };
    m_open = button("Open", "OpenSessionButton");
    m_openSetup = button(N_("Open setup only"), "OpenSetupOnlyButton");
    m_delete = button("Delete", "DeleteSessionButton");
    m_compare = button(N_("Compare"), "CompareSessionsButton");
    m_exportStatistics = button("Export statistics", "ExportStatisticsButton");
    m_exportSessions = button(N_("Export sessions"), "ExportSessionsButton");
    buttons->addStretch(1);
    rightLayout->addLayout(buttons);
    connect(m_open, &QPushButton::clicked, this, [this] { m_page->Open(CurrentRow()); });
    connect(m_openSetup, &QPushButton::clicked, this, [this] { m_page->OpenSetupOnly(CurrentRow()); });
    connect(m_delete, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    const auto forward = [this](QPushButton* b, std::function<void()> ArchivePageView::*handler) {
        connect(b, &QPushButton::clicked, this, [this, handler] {
            if (this->*handler) (this->*handler)();
        });
    };
    forward(m_compare, &ArchivePageView::onCompare);
    forward(m_exportStatistics, &ArchivePageView::onExportStatistics);
    forward(m_exportSessions, &ArchivePageView::onExportSessions);

    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({190, 800});
    connect(splitter, &QSplitter::splitterMoved, this,
            [this] { m_state.Geometry().completedSessionsTreeWidth = m_splitter->sizes().value(0); });
    UpdateCommands();
}

void ArchivePageView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const int treeWidth = m_state.Geometry().completedSessionsTreeWidth;
    if (!m_treeWidthApplied && treeWidth > 0) {
        const int total = std::max(m_splitter->width(), treeWidth + 100);
        m_splitter->setSizes({treeWidth, total - treeWidth});
    }
    m_treeWidthApplied = true;
    Rescan();
}

void ArchivePageView::Rescan() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_workspace.ShowArchive();
    FillFilters();
    FillTree();
    ShowUnreadableCount();
    QApplication::restoreOverrideCursor();
}

void ArchivePageView::ShowUnreadableCount() {
    // The window's status bar says how many files and folders the scan could not read; the message is
    // taken away again once everything reads (and only when it is still ours).
    auto* mainWindow = qobject_cast<QMainWindow*>(window());
    if (!mainWindow) return;
    QStatusBar* bar = mainWindow->statusBar();
    const QString text = m_page->UnreadableText();
    if (!text.isEmpty())
        bar->showMessage(text);
    else if (!m_unreadableShown.isEmpty() && bar->currentMessage() == m_unreadableShown)
        bar->clearMessage();
    m_unreadableShown = text;
}

void ArchivePageView::FillFilters() {
    m_filling = true;
    const FilterLists& lists = m_page->Filters();
    const ArchiveFilters& texts = m_page->FilterTexts();
    const QStringList* entries[] = {&lists.years, &lists.drivers, &lists.engines, &lists.frames};
    const QString* selected[] = {&texts.year, &texts.driver, &texts.engine, &texts.frame};
    for (int box = 0; box < 4; ++box) {
        QComboBox* combo = m_filters[std::size_t(box)];
        combo->clear();
        combo->addItems(*entries[box]);
        combo->setCurrentIndex(std::max(0, int(entries[box]->indexOf(*selected[box]))));
    }
    m_filling = false;
}

void ArchivePageView::FillTree() {
    m_filling = true;
    m_tree->clear();
    QTreeWidgetItem* current = nullptr;
    const auto& selected = m_page->SelectedNode();
    const auto& tree = m_page->Tree();
    for (int top = 0; top < int(tree.size()); ++top) {
        const TreeNode& node = tree[std::size_t(top)];
        auto* item = new QTreeWidgetItem(m_tree, {node.text});
        item->setData(0, kTopRole, top);
        item->setData(0, kChildRole, -1);
        if (!current && selected && selected->text == node.text) current = item;
        for (int child = 0; child < int(node.children.size()); ++child) {
            auto* sub = new QTreeWidgetItem(item, {node.children[std::size_t(child)].text});
            sub->setData(0, kTopRole, top);
            sub->setData(0, kChildRole, child);
            if (!current && selected && selected->text == sub->text(0)) current = sub;
        }
    }
    if (current) {
        m_tree->setCurrentItem(current);
        if (current->parent()) current->parent()->setExpanded(true);
    }
    m_filling = false;
}

void ArchivePageView::ListChanged() {
    // The widths the user gave the shown columns are kept before the columns are set again.
    QList<int> shown;
    for (int column = 0; column < ArchiveColumn::kCount; ++column)
        shown << (m_list->isColumnHidden(column) ? 0 : m_list->columnWidth(column));
    if (m_widthsApplied) m_page->TakeViewWidths(shown);
    m_widthsApplied = true;
    m_list->setUpdatesEnabled(false);
    m_settingWidths = true;
    m_model->Reload();
    const QList<int> widths = m_page->ShownWidths();
    for (int column = 0; column < ArchiveColumn::kCount; ++column) {
        const bool hidden = widths.value(column) <= 0;
        m_list->setColumnHidden(column, hidden);
        if (!hidden) SetColumnWidthAtLeastCaption(*m_list, column, widths[column]);
    }
    m_settingWidths = false;
    const ArchiveSort& sort = m_page->Sort();
    m_list->horizontalHeader()->setSortIndicator(sort.column,
                                                 sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_list->setUpdatesEnabled(true);
    UpdateCommands();
}

std::vector<int> ArchivePageView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList ArchivePageView::SelectedPaths() const {
    QStringList paths;
    const SummaryRows& rows = m_page->ListRows();
    for (const int row : SelectedRows())
        if (row >= 0 && row < int(rows.size())) paths << rows[std::size_t(row)].value(ArchiveColumn::Path);
    return paths;
}

int ArchivePageView::CurrentRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.size() == 1 ? rows.front() : -1;
}

void ArchivePageView::UpdateCommands() {
    const ArchiveCommands commands = m_page->Commands(int(SelectedRows().size()));
    m_open->setEnabled(commands.open);
    m_openSetup->setEnabled(commands.open);
    m_delete->setEnabled(commands.deleteSessions);
    m_compare->setEnabled(commands.compare);
    m_exportStatistics->setEnabled(commands.deleteSessions);
    m_exportSessions->setEnabled(commands.deleteSessions);
}

void ArchivePageView::DeleteSelected() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    if (m_page->Delete(rows)) {
        FillFilters();
        FillTree();
    }
}

void ArchivePageView::ShowContextMenu(const QPoint& position) {
    const ArchiveCommands commands = m_page->Commands(int(SelectedRows().size()));
    QMenu menu(this);
    if (commands.open) {
        connect(menu.addAction(Translate("&Load this session")), &QAction::triggered, this,
                [this] { m_page->Open(CurrentRow()); });
        connect(menu.addAction(Translate("L&oad setup only")), &QAction::triggered, this,
                [this] { m_page->OpenSetupOnly(CurrentRow()); });
    }
    if (commands.deleteSessions)
        connect(menu.addAction(Translate("&Delete session(s)")), &QAction::triggered, this,
                [this] { DeleteSelected(); });
    if (commands.compare)
        connect(menu.addAction(Translate("Compare selected sessions")), &QAction::triggered, this, [this] {
            if (onCompare) onCompare();
        });
    if (commands.deleteSessions) {
        connect(menu.addAction(Translate("Export selected session(s) to HTML")), &QAction::triggered, this,
                [this] {
                    if (onExportSessions) onExportSessions();
                });
        connect(menu.addAction(Translate("Export statistics of selected session(s)")), &QAction::triggered,
                this, [this] {
                    if (onExportStatistics) onExportStatistics();
                });
    }
    if (!menu.isEmpty()) menu.exec(m_list->viewport()->mapToGlobal(position));
}

bool ArchivePageView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ArchivePageView::FillReopenMenu() {
    m_reopenMenu->clear();
    for (const QString& entry : m_workspace.RecentSessionEntries()) {
        QAction* action = m_reopenMenu->addAction(QDir::toNativeSeparators(entry));
        connect(action, &QAction::triggered, this, [this, entry] { m_workspace.ReopenSession(entry); });
    }
}
