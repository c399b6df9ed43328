#include "setup_page_builder.h"

#include "setup_grid_model.h"
#include "storage/translate.h"
#include "ui/widgets/grid_cell_editor.h"
#include "ui/widgets/mru_combo_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kMaxColumns = 3;
constexpr int kBoxMinimumWidth = 300, kBoxMaximumWidth = 460;

QString FieldLabel(const SetupField& field, bool miles) {
    QString label = Translate(field.Caption(miles));
    if (!field.qualifier.isEmpty()) label += QStringLiteral(" (") + Translate(field.qualifier) + u')';
    return label;
}

// A group box and how many lines it takes, for spreading the boxes over the page's columns.
struct Box {
    QString group;
    QGroupBox* widget = nullptr;
    QFormLayout* form = nullptr;
    int lines = 1;
};

} // namespace

SetupPageBuilder::SetupPageBuilder(SetupModel& setup, SettingsStore* settings, Prompter* prompter,
                                   QObject* parent)
    : QObject(parent), m_setup(setup), m_settings(settings), m_prompter(prompter) {
}

QString SetupPageBuilder::SubPageOf(const QString& page, SetupArea area) {
    return SetupSubPageOf(page, area);
}

void SetupPageBuilder::Build() {
    for (const QPointer<QWidget>& page : std::as_const(m_built))
        delete page.data();
    m_built.clear();
    m_fields.clear();
    m_grids.clear();
    m_gridModels.clear();
    for (auto it = m_hosts.constBegin(); it != m_hosts.constEnd(); ++it) {
        QWidget* host = it.value();
        if (!host->layout()) {
            auto* layout = new QVBoxLayout(host);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        QWidget* page = BuildPage(it.key());
        host->layout()->addWidget(page);
        m_built.insert(it.key(), page);
    }
    Reload();
}

QWidget* SetupPageBuilder::BuildPage(const QString& subPage) {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("setupPage/") + subPage);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* pageLayout = new QVBoxLayout(content);

    const VehicleType vehicle = m_setup.Vehicle();
    std::vector<Box> boxes;
    const std::vector<SetupField>& fields = SetupFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const SetupField& field = fields[i];
        if (!m_setup.HasArea(field.area) || !AppliesTo(field.vehicles, vehicle) ||
            SubPageOf(field.page, field.area) != subPage)
            continue;
        auto box =
            std::find_if(boxes.begin(), boxes.end(), [&](const Box& b) { return b.group == field.group; });
        if (box == boxes.end()) {
            Box added;
            added.group = field.group;
            added.widget = new QGroupBox(Translate(field.group), content);
            added.form = new QFormLayout(added.widget);
            added.form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
            added.widget->setMinimumWidth(kBoxMinimumWidth);
            added.widget->setMaximumWidth(kBoxMaximumWidth);
            boxes.push_back(added);
            box = boxes.end() - 1;
        }
        QWidget* control = MakeFieldControl(int(i), subPage, box->widget);
        if (field.control == ControlKind::CheckBox) {
            box->form->addRow(control);
        } else {
            auto* label = new QLabel(FieldLabel(field, m_setup.Miles()), box->widget);
            label->setBuddy(control);
            box->form->addRow(label, control);
        }
        const bool tall = field.control == ControlKind::Memo || field.control == ControlKind::Notes;
        box->lines += tall ? 4 : 1;
    }

    // Field groups go to the column with the fewest lines so far, so the columns end near each other;
    // each column stacks its boxes from the top.
    const int columns = std::clamp(int(boxes.size()), 1, kMaxColumns);
    auto* columnsLayout = new QHBoxLayout;
    std::vector<QVBoxLayout*> columnLayouts;
    for (int column = 0; column < columns; ++column) {
        columnLayouts.push_back(new QVBoxLayout);
        columnsLayout->addLayout(columnLayouts.back());
    }
    columnsLayout->addStretch(1); // boxes keep a readable width; the free space stays at the right
    std::vector<int> lines(size_t(columns), 0);
    for (const Box& box : boxes) {
        const auto shortest = size_t(std::min_element(lines.begin(), lines.end()) - lines.begin());
        columnLayouts[shortest]->addWidget(box.widget);
        lines[shortest] += box.lines + 1;
    }
    for (QVBoxLayout* column : columnLayouts)
        column->addStretch(1);
    pageLayout->addLayout(columnsLayout);

    // Grids below the groups.
    for (SetupArea area : kSetupAreaOrder) {
        if (!m_setup.HasArea(area)) continue;
        for (GridId id : m_setup.AreaGrids(area)) {
            const SetupGrid& setupGrid = Grid(id);
            if (setupGrid.shownApart || SubPageOf(setupGrid.page, area) != subPage) continue;
            const QString title = setupGrid.caption.isEmpty() ? setupGrid.group : setupGrid.caption;
            auto* box = new QGroupBox(Translate(title), content);
            auto* layout = new QVBoxLayout(box);
            layout->addWidget(MakeGrid(id, subPage, box));
            pageLayout->addWidget(box, 0, Qt::AlignLeft);
        }
    }
    pageLayout->addStretch(1);
    scroll->setWidget(content);
    return scroll;
}

QWidget* SetupPageBuilder::MakeFieldControl(int index, const QString& subPage, QWidget* parent) {
    const SetupField& field = SetupFields()[size_t(index)];
    const QString section = field.section, key = field.key;
    QWidget* control = nullptr;
    switch (field.control) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        connect(edit, &QLineEdit::textEdited, this, [=, this](const QString& text) {
            Forward(subPage, [=, this] { m_setup.SetFieldText(index, text); });
        });
        control = edit;
        break;
    }
    case ControlKind::HistoryBox: {
        auto* box = new TMRUComboBox(parent);
        box->SetHistory(m_settings, field.historyKey);
        connect(box, &QComboBox::currentTextChanged, this, [=, this](const QString& text) {
            if (!m_showing) Forward(subPage, [=, this] { m_setup.SetFieldText(index, text); });
        });
        control = box;
        break;
    }
    case ControlKind::Choice: {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(field.choices);
        connect(box, &QComboBox::currentTextChanged, this, [=, this](const QString& text) {
            if (!m_showing) Forward(subPage, [=, this] { m_setup.SetFieldText(index, text); });
        });
        control = box;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(FieldLabel(field, m_setup.Miles()), parent);
        connect(box, &QCheckBox::toggled, this, [=, this](bool checked) {
            if (!m_showing) Forward(subPage, [=, this] { m_setup.SetChecked(section, key, checked); });
        });
        control = box;
        break;
    }
    case ControlKind::Memo:
    case ControlKind::Notes: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setTabChangesFocus(true);
        memo->setMinimumHeight(memo->fontMetrics().lineSpacing() *
                               (field.control == ControlKind::Notes ? 8 : 5));
        connect(memo, &QPlainTextEdit::textChanged, this, [=, this] {
            if (!m_showing) Forward(subPage, [=, this] { m_setup.SetFieldText(index, memo->toPlainText()); });
        });
        control = memo;
        break;
    }
    }
    control->setObjectName(field.Id());
    m_fields.push_back({index, control});
    return control;
}

QWidget* SetupPageBuilder::MakeGrid(GridId id, const QString& subPage, QWidget* parent) {
    const SetupGrid& setupGrid = Grid(id);
    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("setupGrid/") + QString::number(int(id)));
    auto* model = new SetupGridModel(m_setup, id, m_prompter, view);
    view->setModel(model);
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setDefaultSectionSize(80);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    GridCellEditor* editor = nullptr;
    if (setupGrid.cellEditor) {
        QStringList rowKeys;
        for (const GridRow& row : setupGrid.rows)
            rowKeys << row.historyKey;
        editor = new GridCellEditor(view, m_settings, rowKeys, setupGrid.historyMaximum);
    }
    // Grid edits mark the setup changed through the model; remember the page for the "*".
    connect(model, &SetupGridModel::cellEditing, this, [this, subPage] { m_setup.SetEditingPage(subPage); });
    connect(model, &QAbstractItemModel::dataChanged, this, [this] {
        if (edited) edited();
    });
    // A refused text keeps the user on the cell.
    connect(model, &SetupGridModel::cellRefused, view, [view, editor](const QModelIndex& index) {
        const QPersistentModelIndex cell(index);
        QTimer::singleShot(0, view, [view, editor, cell] {
            if (!cell.isValid()) return;
            view->setCurrentIndex(cell);
            if (!editor || !editor->EditCell(cell)) view->edit(cell);
        });
    });
    m_grids.insert(int(id), view);
    m_gridModels.insert(int(id), model);
    return view;
}

void SetupPageBuilder::Forward(const QString& subPage, const std::function<void()>& change) {
    m_setup.SetEditingPage(subPage);
    change();
    ReloadGrids(); // the monoshock box and the cylinder count decide the shown columns
    if (edited) edited();
}

void SetupPageBuilder::ReloadGrids() {
    for (auto it = m_gridModels.constBegin(); it != m_gridModels.constEnd(); ++it) {
        SetupGridModel* model = it.value();
        if (!model || model->Columns() == m_setup.VisibleColumns(model->Id())) continue;
        model->Reload();
        FitColumns(m_grids.value(it.key()));
    }
}

void SetupPageBuilder::FitColumns(QTableView* view) const {
    if (!view) return;
    const auto* model = static_cast<const SetupGridModel*>(view->model());
    const int fixed = SetupGridColumnWidth(model->Id(), int(model->Columns().size()));
    if (fixed > 0) {
        view->verticalHeader()->setFixedWidth(fixed);
        for (int column = 0; column < model->columnCount(); ++column)
            view->setColumnWidth(column, fixed);
        return;
    }
    view->resizeColumnsToContents();
    for (int column = 0; column < model->columnCount(); ++column)
        view->setColumnWidth(column, std::max(view->columnWidth(column), 72));
}

void SetupPageBuilder::ShowField(const FieldControl& control) {
    QWidget* widget = control.widget;
    if (!widget) return;
    const QString text = m_setup.Record().Field(control.index);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) edit->setText(text);
    } else if (auto* history = qobject_cast<TMRUComboBox*>(widget)) {
        history->SetText(text);
    } else if (auto* choice = qobject_cast<QComboBox*>(widget)) {
        choice->setCurrentText(text);
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        const SetupField& field = SetupFields()[size_t(control.index)];
        check->setChecked(m_setup.IsChecked(field.section, field.key));
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        if (memo->toPlainText() != text) memo->setPlainText(text);
    }
}

void SetupPageBuilder::Reload() {
    m_showing = true;
    for (const FieldControl& control : m_fields)
        ShowField(control);
    m_showing = false;
    for (const QPointer<SetupGridModel>& model : std::as_const(m_gridModels))
        if (model) model->Reload();
    for (const QPointer<QTableView>& view : std::as_const(m_grids))
        FitColumns(view);
}

void SetupPageBuilder::CommitCellEdits() {
    for (const QPointer<QTableView>& view : std::as_const(m_grids)) {
        if (!view) continue;
        for (GridCellEditor* editor : view->findChildren<GridCellEditor*>())
            if (editor->EditedCell().isValid()) editor->Commit();
        // A cell typed into directly has its editor as the current index's widget.
        if (QWidget* editor = view->indexWidget(view->currentIndex())) {
            QMetaObject::invokeMethod(view, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
            QMetaObject::invokeMethod(
                view, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget*, editor),
                Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
        }
    }
}

QWidget* SetupPageBuilder::FieldWidget(const QString& section, const QString& key) const {
    const int index = FieldIndex(section, key);
    for (const FieldControl& control : m_fields)
        if (control.index == index) return control.widget;
    return nullptr;
}

QTableView* SetupPageBuilder::GridView(GridId grid) const {
    return m_grids.value(int(grid));
}
