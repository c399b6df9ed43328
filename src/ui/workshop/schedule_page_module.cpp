#include "schedule_page_module.h"

#include "storage/translate.h"
#include "ui/widgets/grid_column_widths.h"
#include "ui/widgets/grid_edit_actions.h"
#include "ui/widgets/text_grid_model.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

class SchedulePageView : public QObject {
  public:
    SchedulePageView(SchedulePage& page, TracksPage& tracks, QWidget* window)
        : m_page(page), m_tracks(tracks), m_window(window) {}

    void Build(QWidget* host) {
        auto* layout = new QVBoxLayout(host);
        auto* bar = new QHBoxLayout;
        const auto button = [&](const char* caption) {
            auto* b = new QPushButton(Translate(caption));
            bar->addWidget(b);
            return b;
        };
        m_save = button("Save");
        connect(m_save, &QPushButton::clicked, this, [this] { m_page.SaveSchedule(); });
        connect(button("Add"), &QPushButton::clicked, this, [this] { Add(); });
        m_edit = button("Edit");
        connect(m_edit, &QPushButton::clicked, this, [this] { Edit(); });
        m_delete = button("Delete");
        connect(m_delete, &QPushButton::clicked, this, [this] { Delete(); });
        bar->addStretch();
        layout->addLayout(bar);
        m_table = new QTableView;
        m_table->setObjectName(QStringLiteral("ScheduleGrid"));
        m_table->setModel(new TextGridModel(m_page.Grid(), &m_page.Sorting(), m_table));
        m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
        m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_table->verticalHeader()->setDefaultSectionSize(20);
        m_table->verticalHeader()->hide();
        m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_table->horizontalHeader()->setStretchLastSection(true);
        const int widths[] = {65, 100, 75, 80, 120};
        for (int column = 0; column < 5; ++column)
            SetColumnWidthAtLeastCaption(*m_table, column, widths[column] + 20);
        layout->addWidget(m_table, 1);
        connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
            const auto mods = QApplication::keyboardModifiers();
            m_page.HeaderClick(column, mods & Qt::ControlModifier, mods & Qt::ShiftModifier);
        });
        connect(m_table, &QTableView::doubleClicked, this, [this] { Edit(); });
        connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this] { Refresh(); });
        const auto onEvent = [this] { return m_page.RowHoldsEvent(m_table->currentIndex().row()); };
        InstallGridEditActions(m_table, this,
                               {.add = {N_("&Add event"), [this] { Add(); }, {}},
                                .edit = {N_("&Edit event"), [this] { Edit(); }, onEvent},
                                .remove = {N_("&Delete event"), [this] { Delete(); }, onEvent},
                                .more = {}});
        m_connections += m_page.changed.Connect([this] { Refresh(); });
        Refresh();
        ScrollToNext();
    }

    void Refresh() {
        if (!m_table) return;
        const bool event = m_page.RowHoldsEvent(m_table->currentIndex().row());
        m_edit->setEnabled(event);
        m_delete->setEnabled(event);
        m_save->setEnabled(m_page.IsDirty());
    }

    // The first event of today or later goes to the top.
    void ScrollToNext() {
        if (const auto next = m_page.NextEventRow())
            m_table->scrollTo(m_table->model()->index(*next, 0), QAbstractItemView::PositionAtTop);
    }

  private:
    std::optional<QStringList> RunDialog(const QStringList& initial) {
        QDialog dialog(m_window);
        dialog.setWindowTitle(Translate("Add/Edit Event"));
        auto* form = new QFormLayout;
        auto* date = new QDateEdit;
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setCalendarPopup(true);
        const QDate initialDate = QDate::fromString(initial.value(0), QStringLiteral("yyyy-MM-dd"));
        date->setDate(initialDate.isValid() ? initialDate : QDate::fromString(m_page.Today(), "yyyy-MM-dd"));
        auto* track = new QComboBox;
        track->setEditable(true);
        track->addItems(m_tracks.TrackNames());
        track->setCurrentText(initial.isEmpty() ? m_page.SelectTrackText() : initial.value(1));
        auto* type = new QComboBox;
        type->setEditable(true);
        type->addItems({Translate("Free Practice"), Translate("Race"), Translate("Other")});
        type->setCurrentText(initial.value(2));
        auto* eventClass = new QLineEdit(initial.value(3));
        auto* name = new QLineEdit(initial.value(4));
        auto* comments = new QLineEdit(initial.value(5));
        form->addRow(Translate("Date"), date);
        form->addRow(Translate("Track"), track);
        form->addRow(Translate("Type"), type);
        form->addRow(Translate("Class"), eventClass);
        form->addRow(Translate("Name"), name);
        form->addRow(Translate("Comments"), comments);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addLayout(form);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return QStringList{date->date().toString(QStringLiteral("yyyy-MM-dd")),
                           track->currentText(),
                           type->currentText(),
                           eventClass->text(),
                           name->text(),
                           comments->text()};
    }
    void Add() {
        if (const auto fields = RunDialog({})) m_page.AddEvent(*fields);
    }
    void Edit() {
        const int row = m_table->currentIndex().row();
        if (!m_page.RowHoldsEvent(row)) return Add();
        if (const auto fields = RunDialog(m_page.Events().events.Row(row))) m_page.EditEvent(row, *fields);
    }
    void Delete() {
        std::set<int> rows;
        for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
            rows.insert(index.row());
        if (rows.empty() && m_table->currentIndex().isValid()) rows.insert(m_table->currentIndex().row());
        m_page.DeleteEvents({rows.begin(), rows.end()});
    }

    SchedulePage& m_page;
    TracksPage& m_tracks;
    QWidget* m_window;
    QTableView* m_table = nullptr;
    QPushButton *m_save = nullptr, *m_edit = nullptr, *m_delete = nullptr;
    Connections m_connections; // last: ends first
};

SchedulePageModule::SchedulePageModule(Workspace& workspace) : m_workspace(workspace) {
}

SchedulePageModule::~SchedulePageModule() = default;

void SchedulePageModule::Build(MainWindowHost& host) {
    QWidget* page = host.PageHost(QStringLiteral("Sessions/Scheduled"));
    if (!page) return;
    m_view = std::make_unique<SchedulePageView>(m_workspace.ScheduledEvents(), m_workspace.Tracks(),
                                                host.Window());
    m_view->Build(page);
}

void SchedulePageModule::Refresh() {
    if (m_view) m_view->Refresh();
}
