#include "part_status_page_view.h"

#include "app/unit_captions.h"
#include "part_update_dialogs.h"

#include "app/app_state.h"
#include "part_status_dialog.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "ui/widgets/grid_column_widths.h"
#include "ui/widgets/grid_edit_actions.h"
#include "ui/widgets/text_grid_model.h"
#include "workshop/part_status_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <set>

namespace {

// Draws a row as the page model says: stock shortages, exceeded limits, due inspections.
class EmphasisDelegate : public QStyledItemDelegate {
  public:
    EmphasisDelegate(PartStatusPage& page, QObject* parent) : QStyledItemDelegate(parent), m_page(page) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignLeft | Qt::AlignBottom;
        const auto e = m_page.Emphasis(index.row());
        using E = PartStatusPage::RowEmphasis;
        if (e.bold) option->font.setBold(true);
        switch (e.text) {
        case E::Text::Grey:
            option->palette.setColor(QPalette::Text, Qt::gray);
            break;
        case E::Text::Red:
            option->palette.setColor(QPalette::Text, Qt::red);
            break;
        case E::Text::Blue:
            option->palette.setColor(QPalette::Text, Qt::blue);
            break;
        case E::Text::Plain:
            break;
        }
        if (e.back == E::Back::Yellow) option->backgroundBrush = QColor(Qt::yellow);
        if (e.back == E::Back::LightGreen) option->backgroundBrush = QColor(0xC0, 0xDC, 0xC0);
    }

  private:
    PartStatusPage& m_page;
};

// A whole date in the bold font of an emphasised row, with the cell's margins.
int BoldDateWidth(QFont font) {
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("0000-00-00")) + 12;
}

QPushButton* Button(const QString& caption, QLayout* layout) {
    auto* button = new QPushButton(caption);
    layout->addWidget(button);
    return button;
}

} // namespace

PartStatusPageView::PartStatusPageView(PartStatusPage& page, AppState& state, QWidget* window)
    : m_page(page), m_state(state), m_window(window) {
}

PartStatusPageView::~PartStatusPageView() = default;

void PartStatusPageView::Build(QWidget* host) {
    auto* layout = new QVBoxLayout(host);
    auto* areaBar = new QHBoxLayout;
    auto* save = Button(Translate("Save"), areaBar);
    m_save = save;
    connect(save, &QPushButton::clicked, this, [this] { m_page.SavePartStatus(); });
    connect(Button(Translate("Add group"), areaBar), &QPushButton::clicked, this,
            [this] { m_page.AddGroup(); });
    auto* editGroup = Button(Translate("Edit group"), areaBar);
    connect(editGroup, &QPushButton::clicked, this, [this] { m_page.RenameGroup(); });
    auto* deleteGroup = Button(Translate("Delete group"), areaBar);
    connect(deleteGroup, &QPushButton::clicked, this, [this] { m_page.DeleteGroup(); });
    m_needGroup = {editGroup, deleteGroup};
    auto* updateGroup = Button(Translate("Update group"), areaBar);
    m_updateGroup = updateGroup;
    connect(updateGroup, &QPushButton::clicked, this, [this] {
        Prompter* prompter = m_state.GetServices().prompter;
        const bool miles = m_state.Units().Units().distance == Unit::Miles;
        if (!prompter || !m_page.UpdateGroupEnabled()) return;
        if (const auto update = RunUpdatePartsDialog(m_page, *prompter, miles, m_window))
            m_page.UpdateGroup(*update);
    });
    // The same command as the menu's "Export to HTML" > "Part status".
    connect(Button(Translate("Export to HTML"), areaBar), &QPushButton::clicked, this,
            [this] { m_state.RunCommand(MenuCommand::ExportPartStatus); });
    connect(Button(Translate("Purchase order"), areaBar), &QPushButton::clicked, this, [this] {
        if (requestPurchaseOrder) requestPurchaseOrder({});
    });
    connect(Button(Translate("Show log"), areaBar), &QPushButton::clicked, this,
            [this] { m_page.ShowLog(); });
    areaBar->addStretch();
    layout->addLayout(areaBar);

    m_tabs = new QTabBar;
    m_tabs->setExpanding(false);
    m_tabs->setDocumentMode(true);
    layout->addWidget(m_tabs);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_refreshing) m_page.SetActiveGroup(index);
    });

    auto* groupBar = new QHBoxLayout;
    m_stock = new QCheckBox(Translate("Stock group"));
    groupBar->addWidget(m_stock);
    connect(m_stock, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing) m_page.SetStockGroup(on);
    });
    auto* add = Button(Translate("Add part"), groupBar);
    connect(add, &QPushButton::clicked, this, [this] { AddPart(); });
    auto* edit = Button(Translate("Edit part"), groupBar);
    connect(edit, &QPushButton::clicked, this, [this] { EditPart(); });
    auto* del = Button(Translate("Delete part"), groupBar);
    connect(del, &QPushButton::clicked, this, [this] { DeletePart(); });
    auto* move = Button(Translate("Move part"), groupBar);
    m_move = move;
    connect(move, &QPushButton::clicked, this, [this] { MovePart(); });
    auto* duplicate = Button(Translate("Duplicate part"), groupBar);
    connect(duplicate, &QPushButton::clicked, this, [this] { DuplicatePart(); });
    auto* find = Button(Translate("Find"), groupBar);
    connect(find, &QPushButton::clicked, this, [this] { Find(); });
    auto* maintenance = Button(Translate("Update Maintenance Log"), groupBar);
    m_maintenance = maintenance;
    connect(maintenance, &QPushButton::clicked, this,
            [this] { m_page.UpdateMaintenanceLog(SelectedRows()); });
    m_lastUpdated = new QLabel;
    groupBar->addStretch();
    groupBar->addWidget(m_lastUpdated);
    layout->addLayout(groupBar);
    m_needGroup.insert(m_needGroup.end(), {m_stock, add, find});
    m_needPart = {edit, del, duplicate};

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("PartStatusGrid"));
    m_model = new TextGridModel(m_page.Grid(), &m_page.Sorting(), m_table);
    m_table->setModel(m_model);
    m_table->setItemDelegate(new EmphasisDelegate(m_page, m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setDefaultSectionSize(20);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->horizontalHeader()->setStretchLastSection(false);
    layout->addWidget(m_table, 1);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        const auto mods = QApplication::keyboardModifiers();
        m_page.HeaderClick(column, mods & Qt::ControlModifier, mods & Qt::ShiftModifier);
    });
    connect(m_table, &QTableView::doubleClicked, this, [this] { EditPart(); });
    // The row the user is on is the grid's current row; the model moves it by find and duplicate.
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_refreshing) m_page.Grid().SetCurrentRow(current.row());
            });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { Refresh(); });
    const auto onPart = [this] { return m_page.RowHoldsPart(m_table->currentIndex().row()); };
    InstallGridEditActions(
        m_table, this,
        {.add = {N_("&Add part"), [this] { AddPart(); }, [this] { return m_page.Active(); }},
         .edit = {N_("&Edit part"), [this] { EditPart(); }, onPart},
         .remove = {N_("&Delete part"), [this] { DeletePart(); }, onPart},
         .more = {{N_("&Move part"), [this] { MovePart(); },
                   [this, onPart] { return onPart() && m_page.CanMove(); }},
                  {N_("D&uplicate part"), [this] { DuplicatePart(); }, onPart},
                  {N_("Create purchase order from selected parts"),
                   [this] {
                       if (requestPurchaseOrder) requestPurchaseOrder(SelectedRows());
                   },
                   onPart}}});
    auto* sortAgain = new QShortcut(QKeySequence(Qt::Key_F5), m_table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(sortAgain, &QShortcut::activated, this, [this] { m_page.SortAgain(); });

    m_connections += m_page.changed.Connect([this] { Refresh(); });
    Refresh();
}

void PartStatusPageView::ApplyColumnWidths() {
    for (int column = 0; column < kPartColumnCount; ++column) {
        int width = m_page.ColumnWidth(column);
        // The widths suit a narrow font: the date column is widened to show a whole date.
        if (column == part_col::Changed) width = std::max(width, BoldDateWidth(m_table->font()));
        m_table->setColumnHidden(column, width == 0);
        if (width > 0) SetColumnWidthAtLeastCaption(*m_table, column, width);
    }
}

void PartStatusPageView::Refresh() {
    if (!m_table) return;
    m_refreshing = true;
    const QStringList names = m_page.GroupNames();
    while (m_tabs->count() > names.size())
        m_tabs->removeTab(m_tabs->count() - 1);
    for (int i = 0; i < names.size(); ++i) {
        if (i < m_tabs->count())
            m_tabs->setTabText(i, names[i]);
        else
            m_tabs->addTab(names[i]);
    }
    if (m_page.ActiveGroup() >= 0) m_tabs->setCurrentIndex(m_page.ActiveGroup());
    const PartGroup* group = m_page.Active();
    m_stock->setChecked(group && group->stock);
    m_lastUpdated->setText(m_page.LastUpdatedCaption());
    ApplyColumnWidths();
    const bool writable = !m_page.IsReadOnly();
    for (QWidget* w : m_needGroup)
        w->setEnabled(group && writable);
    const int current = m_table->currentIndex().row();
    const bool part = m_page.RowHoldsPart(current);
    for (QWidget* w : m_needPart)
        w->setEnabled(part && writable);
    m_move->setEnabled(part && writable && m_page.CanMove());
    m_maintenance->setEnabled(part && m_page.MaintenanceLogConnected());
    m_save->setEnabled(m_page.IsDirty());
    m_updateGroup->setEnabled(m_page.UpdateGroupEnabled());
    const int wanted = m_page.Grid().CurrentRow();
    if (wanted >= 0 && wanted != current) {
        m_table->setCurrentIndex(m_model->index(wanted, 0));
        m_table->scrollTo(m_model->index(wanted, 0));
    }
    m_refreshing = false;
}

std::vector<int> PartStatusPageView::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && m_table->currentIndex().isValid()) rows.insert(m_table->currentIndex().row());
    return {rows.begin(), rows.end()};
}

namespace {

PartStatusDialog::Options DialogOptions(PartStatusPage& page, AppState& state, bool edit, bool multiRow) {
    PartStatusDialog::Options options;
    options.edit = edit;
    options.multiRow = multiRow;
    options.stock = page.Active() && page.Active()->stock;
    options.miles = state.Units().Units().distance == Unit::Miles;
    options.today = page.Today();
    return options;
}

} // namespace

void PartStatusPageView::AddPart() {
    if (!m_page.Active() || m_page.IsReadOnly()) return;
    const Services& services = m_state.GetServices();
    PartStatusDialog dialog(*services.prompter, *services.shell, DialogOptions(m_page, m_state, false, false),
                            m_window);
    if (dialog.exec() == QDialog::Accepted) m_page.AddPart(dialog.Result());
}

void PartStatusPageView::EditPart() {
    if (!m_page.Active() || m_page.IsReadOnly()) return;
    std::vector<int> rows = SelectedRows();
    std::erase_if(rows, [this](int row) { return !m_page.RowHoldsPart(row); });
    if (rows.empty()) {
        AddPart();
        return;
    }
    const Services& services = m_state.GetServices();
    PartStatusDialog dialog(*services.prompter, *services.shell,
                            DialogOptions(m_page, m_state, true, rows.size() > 1), m_window);
    // A field shows a value only when every selected row holds the same text.
    const TextTable& parts = m_page.Active()->parts;
    QStringList preset = parts.Row(rows.front());
    for (int c = 0; c < kPartColumnCount; ++c)
        for (int row : rows)
            if (parts.Field(row, c).trimmed() != preset[c].trimmed()) preset[c].clear();
    preset[part_col::Qty] = parts.Field(rows.front(), part_col::Qty);
    dialog.SetFields(preset);
    if (dialog.exec() == QDialog::Accepted) m_page.EditParts(rows, dialog.Result());
}

void PartStatusPageView::DeletePart() {
    m_page.DeleteParts(SelectedRows());
}

void PartStatusPageView::DuplicatePart() {
    const auto rows = SelectedRows();
    if (!rows.empty()) m_page.DuplicatePart(rows.front());
}

void PartStatusPageView::MovePart() {
    std::vector<int> rows = SelectedRows();
    std::erase_if(rows, [this](int row) { return !m_page.RowHoldsPart(row); });
    if (rows.empty() || !m_page.CanMove() || m_page.IsReadOnly()) return;
    QStringList others = m_page.GroupNames();
    others.removeAt(m_page.ActiveGroup());
    const QStringList part = m_page.Active()->parts.Row(rows.front());
    const int pieces = ParseInteger(part[part_col::Qty].trimmed()).value_or(1);
    MovePartDialog dialog(others, rows.size() == 1 ? part : QStringList(), rows.size() > 1, pieces,
                          m_page.Today(), m_window);
    if (dialog.exec() == QDialog::Accepted) m_page.MoveParts(rows, dialog.Destination(), dialog.Move());
}

void PartStatusPageView::Find() {
    if (!m_page.Active()) return;
    QDialog dialog(m_window);
    dialog.setWindowTitle(Translate("Find"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLineEdit(m_findText);
    auto* down = new QRadioButton(Translate("Down"));
    auto* up = new QRadioButton(Translate("Up"));
    (m_findDown ? down : up)->setChecked(true);
    auto* directions = new QHBoxLayout;
    directions->addWidget(up);
    directions->addWidget(down);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    auto* next = buttons->addButton(Translate("Find next"), QDialogButtonBox::ActionRole);
    connect(next, &QPushButton::clicked, &dialog, [&] {
        m_findText = text->text();
        m_findDown = down->isChecked();
        m_page.Grid().SetCurrentRow(m_table->currentIndex().row());
        m_page.FindPart(m_findText, m_findDown);
    });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(text);
    layout->addLayout(directions);
    layout->addWidget(buttons);
    dialog.exec();
}
