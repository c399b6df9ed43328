#include "active_session_pages.h"

#include "general_notes_page.h"
#include "notes_editor.h"
#include "session/general_notes_model.h"
#include "session/session_fuel.h"
#include "session/session_model.h"
#include "session_link_dialog.h"
#include "storage/translate.h"
#include "ui/widgets/mru_combo_box.h"
#include "ui/widgets/popup_width.h"
#include "ui/widgets/text_grid_model.h"

#include "ui/widgets/tab_order.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The track box: opening its list while the tracks have unsaved changes offers to save them first.
class TrackBox : public QComboBox {
  public:
    TrackBox(LeaveChecks& leave, QWidget* parent) : QComboBox(parent), m_leave(leave) {}
    void showPopup() override {
        m_leave.TrackBoxDropDown();
        QComboBox::showPopup();
    }

  private:
    LeaveChecks& m_leave;
};

constexpr int kBoxMinimumWidth = 240, kBoxMaximumWidth = 420;
// The fields beside the live timing keep enough width to show what they hold ("Testring", "Sunny").
constexpr int kFieldMinimumCharacters = 11;
// The team logo covers the top right corner of the "Active session" pages; the right column starts below it.
constexpr int kLogoRoom = 100;

QString PageCaption(SessionPage page) {
    switch (page) {
    case SessionPage::General:
        return QStringLiteral("General");
    case SessionPage::Tires:
        return QStringLiteral("Tires");
    case SessionPage::Vehicle:
        return QStringLiteral("Vehicle");
    case SessionPage::PitStops:
        return QStringLiteral(N_("Pit Stops"));
    }
    return {};
}

QVBoxLayout* HostLayout(QWidget* host) {
    if (auto* layout = qobject_cast<QVBoxLayout*>(host->layout())) return layout;
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

void KeepFieldWidth(QWidget* control) {
    if (auto* box = qobject_cast<QComboBox*>(control)) {
        box->setMinimumContentsLength(kFieldMinimumCharacters);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    } else {
        control->setMinimumWidth(control->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                                 (kFieldMinimumCharacters + 2));
    }
}

QWidget* Scrolled(QWidget* content, const QString& name) {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(name);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    return scroll;
}

} // namespace

ActiveSessionPages::ActiveSessionPages(SessionModel& session, GeneralNotesModel& generalNotes,
                                       AppState& state, QObject* parent)
    : QObject(parent), m_session(session), m_state(state), m_generalNotes(generalNotes) {
}

void ActiveSessionPages::SetHosts(const QHash<QString, QWidget*>& hosts) {
    m_hosts = hosts;
}

QString ActiveSessionPages::Signature() const {
    const SessionUnits units = m_session.Units();
    const ProgramSettings& settings = m_state.Settings();
    return QStringList{VehicleCode(m_state.Vehicle()), units.volumeUnit, units.miles ? "miles" : "metres",
                       settings.temperatureUnit, settings.pressureUnit}
        .join(u'|');
}

void ActiveSessionPages::Build() {
    if (!m_generalBuilt) {
        if (QWidget* host = m_hosts.value(QStringLiteral("General"))) BuildGeneral(host);
        if (QWidget* host = m_hosts.value(QStringLiteral(N_("Pit Stops")))) BuildPitStops(host);
        if (QWidget* host = m_hosts.value(QStringLiteral(N_("General notes")))) {
            m_generalNotesPage = new GeneralNotesPage(m_generalNotes, host);
            HostLayout(host)->addWidget(m_generalNotesPage);
            connect(m_generalNotesPage, &GeneralNotesPage::linkClicked, this,
                    [this](const QString& target) { m_session.OpenNoteLink(target); });
        }
        m_generalBuilt = true;
    }
    RebuildVehiclePages();
    m_builtSignature = Signature();
    Reload();
}

void ActiveSessionPages::Sync() {
    if (Signature() != m_builtSignature)
        Build();
    else
        Reload();
}

void ActiveSessionPages::RebuildVehiclePages() {
    // The tire page has a bike and a four-wheel variant; the vehicle page shows the stroke group for bikes:
    // the field table picks them for the current vehicle.
    for (SessionPage page : {SessionPage::Tires, SessionPage::Vehicle}) {
        const QString caption = PageCaption(page);
        QWidget* host = m_hosts.value(caption);
        if (!host) continue;
        delete m_built.value(caption).data();
        // Two columns keep every group clear of the team logo in the top right corner.
        const int columns = 2;
        QWidget* groups = BuildGroups(page, columns);
        if (page == SessionPage::Vehicle && m_fuel) {
            auto* box = new QGroupBox(Translate("Fuel consumption"), groups);
            box->setObjectName(QStringLiteral("group/Fuel consumption"));
            auto* form = new QFormLayout(box);
            m_consumptionLabels.clear();
            for (int i = 0; i < 4; ++i) {
                auto* name = new QLabel(box);
                auto* value = new QLabel(box);
                value->setObjectName(QStringLiteral("fuelFigure%1").arg(i));
                value->setTextInteractionFlags(Qt::TextSelectableByMouse);
                form->addRow(name, value);
                m_consumptionLabels << name << value;
            }
            static_cast<QVBoxLayout*>(groups->layout())->insertWidget(1, box, 0, Qt::AlignLeft);
        }
        QWidget* content = Scrolled(groups, QStringLiteral("sessionPage/") + caption);
        HostLayout(host)->addWidget(content);
        m_built.insert(caption, content);
    }
    std::erase_if(m_fields, [](const FieldControl& control) { return control.widget.isNull(); });
}

QWidget* ActiveSessionPages::BuildGroups(SessionPage page, int columns) {
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(content);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    outer->addStretch(1);
    QHash<QString, QFormLayout*> forms;
    QStringList order;
    const auto& fields = SessionFields();
    const bool miles = m_session.Units().miles;
    // The general and pit stop fields are the same for every vehicle; they are built before one is chosen.
    const bool perVehicle = page == SessionPage::Tires || page == SessionPage::Vehicle;
    const VehicleType vehicle = perVehicle ? m_state.Vehicle() : VehicleType::Motorcycle;
    for (int index : SessionPageFields(page, vehicle)) {
        const SessionField& field = fields[size_t(index)];
        if (field.control == SessionControl::Notes || field.control == SessionControl::Link) continue;
        QFormLayout*& form = forms[field.group];
        if (!form) {
            QString title = Translate(field.group);
            if (miles) title.replace(QStringLiteral("[mm]"), QStringLiteral("[in.]"));
            auto* box = new QGroupBox(title, content);
            box->setObjectName(QStringLiteral("group/") + field.group);
            box->setMinimumWidth(kBoxMinimumWidth);
            box->setMaximumWidth(kBoxMaximumWidth);
            form = new QFormLayout(box);
            form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
            if (page == SessionPage::General) {
                // The general page shares its height with the live timing: compact rows.
                form->setVerticalSpacing(3);
                form->setContentsMargins(6, 4, 6, 4);
            }
            const int at = int(order.size());
            grid->addWidget(box, at / columns, at % columns, Qt::AlignTop);
            order << field.group;
        }
        auto* box = static_cast<QWidget*>(form->parent());
        QWidget* control = MakeControl(index, box);
        if (page == SessionPage::General) KeepFieldWidth(control);
        auto* label = new QLabel(box);
        label->setBuddy(control);
        form->addRow(label, control);
        m_fields.push_back({index, control, label});
    }
    grid->setColumnStretch(columns, 1);
    ChainGroupTabOrder(content);
    return content;
}

QWidget* ActiveSessionPages::MakeControl(int index, QWidget* parent) {
    const SessionField& field = SessionFields()[size_t(index)];
    QWidget* control = nullptr;
    auto forward = [this, index](const QString& text) {
        if (m_showing) return;
        m_session.SetFieldText(index, text);
        ShowFuelFigures(); // the wet percentage and the fuel fields change what they show
    };
    switch (field.control) {
    case SessionControl::Edit: {
        auto* edit = new QLineEdit(parent);
        connect(edit, &QLineEdit::textEdited, this, forward);
        control = edit;
        break;
    }
    case SessionControl::HistoryBox: {
        auto* box = new TMRUComboBox(parent);
        box->SetHistory(m_state.GetServices().settings, field.historyKey);
        connect(box, &QComboBox::currentTextChanged, this, forward);
        control = box;
        break;
    }
    case SessionControl::Choice:
    case SessionControl::TrackBox: {
        const bool track = field.control == SessionControl::TrackBox;
        auto* box = track ? new TrackBox(m_state.Leave(), parent) : new QComboBox(parent);
        box->setEditable(track);
        box->addItem(QString());
        box->addItems(field.choices);
        FitPopupToItems(box);
        connect(box, &QComboBox::currentTextChanged, this, forward);
        control = box;
        break;
    }
    case SessionControl::Notes: {
        auto* edit = new NotesEditor(parent);
        edit->setMinimumHeight(90);
        connect(edit, &NotesEditor::edited, this, forward);
        connect(edit, &NotesEditor::linkClicked, this,
                [this](const QString& target) { m_session.OpenNoteLink(target); });
        control = edit;
        break;
    }
    case SessionControl::Link:
        break;
    }
    if (control) control->setObjectName(QStringLiteral("session/") + field.key);
    return control;
}

QWidget* ActiveSessionPages::MakeLinkRow(SessionLink link, QWidget* parent) {
    // The path gets a line of its own: beside the driver slots the panel is narrow.
    auto* row = new QWidget(parent);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const bool video = link == SessionLink::OnboardVideo;
    auto* choose = new QPushButton(Translate(video ? "Onboard video" : N_("Datalogging link")), row);
    choose->setObjectName(video ? QStringLiteral("onboardVideoButton") : QStringLiteral("dataLoggingButton"));
    auto* path = new QLineEdit(row);
    path->setReadOnly(true);
    const int index = SessionFieldIndex(SessionKeys::SessionNotes,
                                        video ? SessionKeys::OnboardVideo : SessionKeys::DataLogging);
    path->setObjectName(QStringLiteral("session/") + SessionFields()[size_t(index)].key);
    auto* open = new QPushButton(Translate("Open"), row);
    open->setObjectName(video ? QStringLiteral("onboardVideoOpen") : QStringLiteral("dataLoggingOpen"));
    layout->addWidget(choose, 0, 0, Qt::AlignLeft);
    layout->addWidget(open, 0, 1, Qt::AlignRight);
    layout->addWidget(path, 1, 0, 1, 2);
    connect(choose, &QPushButton::clicked, this, [this, link] { ChooseLink(link); });
    connect(open, &QPushButton::clicked, this, [this, link] { m_session.OpenLink(link); });
    m_linkOpenButtons.insert(int(link), open);
    m_fields.push_back({index, path, nullptr});
    return row;
}

void ActiveSessionPages::BuildGeneral(QWidget* host) {
    auto* page = new QWidget(host);
    page->setObjectName(QStringLiteral("sessionGeneralPage"));
    auto* layout = new QGridLayout(page);

    // Live timing puts its driver slots here; the notes panel beside them is swapped with them.
    m_driverSlots = new QWidget(page);
    m_driverSlots->setObjectName(QStringLiteral("driverSlotsArea"));
    auto* slotsLayout = new QVBoxLayout(m_driverSlots);
    slotsLayout->setContentsMargins(0, 0, 0, 0);

    m_notesPanel = new QWidget(page);
    m_notesPanel->setObjectName(QStringLiteral("sessionNotesPanel"));
    auto* notesLayout = new QVBoxLayout(m_notesPanel);
    notesLayout->setContentsMargins(0, 0, 0, 0);
    for (const QString& key : {SessionKeys::DriverNotes, SessionKeys::VehicleNotes}) {
        const int index = SessionFieldIndex(SessionKeys::SessionNotes, key);
        auto* label = new QLabel(m_notesPanel);
        QWidget* editor = MakeControl(index, m_notesPanel);
        label->setBuddy(editor);
        notesLayout->addWidget(label);
        notesLayout->addWidget(editor, 1);
        m_fields.push_back({index, editor, label});
    }
    auto* links = new QGroupBox(Translate("Links"), m_notesPanel);
    auto* linksLayout = new QVBoxLayout(links);
    linksLayout->addWidget(MakeLinkRow(SessionLink::DataLogging, links));
    linksLayout->addWidget(MakeLinkRow(SessionLink::OnboardVideo, links));
    notesLayout->addWidget(links);
    auto* clear = new QPushButton(Translate("Clear notes"), m_notesPanel);
    clear->setObjectName(QStringLiteral("clearNotesButton"));
    connect(clear, &QPushButton::clicked, this, [this] { m_session.ClearSessionNotes(); });
    notesLayout->addWidget(clear, 0, Qt::AlignLeft);

    QWidget* groups = BuildGroups(SessionPage::General, 1);
    // The air density figure sits in the weather group, below the fields it is computed from.
    if (auto* weather = groups->findChild<QGroupBox*>(QStringLiteral("group/Weather"))) {
        auto* form = static_cast<QFormLayout*>(weather->layout());
        auto* row = new QWidget(weather);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        m_adButton = new QPushButton(row);
        m_adButton->setObjectName(QStringLiteral("airDensityButton"));
        m_adUnit = new QLabel(row);
        rowLayout->addWidget(m_adButton);
        rowLayout->addWidget(m_adUnit);
        rowLayout->addStretch(1);
        m_adCaption = new QLabel(weather);
        form->addRow(m_adCaption, row);
        ChainGroupTabOrder(groups);
    }
    // The live timing goes beside the session's fields, from the top: the team logo floats over its
    // right end, which the live timing keeps clear of (LiveTimingPanel::KeepClearOf).
    layout->setContentsMargins(6, 4, 6, 4);
    // The fields keep the width their labels and texts need; the live timing takes the rest.
    groups->setMinimumWidth(groups->sizeHint().width());
    layout->addWidget(groups, 0, 0);
    layout->addWidget(m_driverSlots, 0, 1);
    layout->setColumnStretch(1, 1);
    HostLayout(host)->addWidget(Scrolled(page, QStringLiteral("sessionPage/General")));
}

void ActiveSessionPages::BuildPitStops(QWidget* host) {
    auto* page = new QWidget(host);
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildGroups(SessionPage::PitStops, 1));
    layout->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addSpacing(kLogoRoom);
    auto* rowsBox = new QGroupBox(Translate("Pit stops"), page);
    auto* rowsLayout = new QVBoxLayout(rowsBox);
    auto* view = new QTableView(rowsBox);
    view->setObjectName(QStringLiteral("pitStopGrid"));
    auto* rows = new TextGridModel(m_session.PitStopGrid(), nullptr, view);
    rows->SetEditable(true);
    view->setModel(rows);
    view->horizontalHeader()->setStretchLastSection(true);
    rowsLayout->addWidget(view);
    auto* buttons = new QHBoxLayout;
    auto* insert = new QPushButton(Translate("Insert row"), rowsBox);
    insert->setObjectName(QStringLiteral("pitStopInsert"));
    auto* remove = new QPushButton(Translate("Delete row"), rowsBox);
    remove->setObjectName(QStringLiteral("pitStopDelete"));
    buttons->addWidget(insert);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    rowsLayout->addLayout(buttons);
    connect(insert, &QPushButton::clicked, this, [this, view] {
        m_session.InsertPitStopRow(
            std::max(0, std::min(view->currentIndex().row(), m_session.PitStopRowCount())));
    });
    connect(remove, &QPushButton::clicked, this,
            [this, view] { m_session.DeletePitStopRow(view->currentIndex().row()); });
    if (m_fuel) AddPitStopButtons(rowsBox, rowsLayout, view);
    right->addWidget(rowsBox, 1);
    layout->addLayout(right, 1);
    HostLayout(host)->addWidget(Scrolled(page, QStringLiteral("sessionPage/Pit Stops")));
}

void ActiveSessionPages::AddPitStopButtons(QWidget* box, QVBoxLayout* layout, QTableView* view) {
    auto* consumptionRow = new QHBoxLayout;
    auto* caption = new QLabel(Translate("Fuel consumption/lap"), box);
    m_pitConsumption = new QLineEdit(box);
    m_pitConsumption->setObjectName(QStringLiteral("pitStopConsumption"));
    m_pitConsumption->setReadOnly(true);
    m_pitConsumption->setToolTip(Translate("Value based on fuel consumption from Tracks page"));
    consumptionRow->addWidget(caption);
    consumptionRow->addWidget(m_pitConsumption);
    auto* laps = new QPushButton(Translate("Calculate number of laps"), box);
    laps->setObjectName(QStringLiteral("calcLapsToRun"));
    consumptionRow->addWidget(laps);
    consumptionRow->addStretch(1);
    layout->insertLayout(0, consumptionRow);
    connect(laps, &QPushButton::clicked, this, [this] {
        m_fuel->CalcLapsToRun();
        Reload();
    });

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* text, const char* name) {
        auto* b = new QPushButton(Translate(text), box);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    auto current = [view] { return view->currentIndex().row(); };
    connect(button("Add", "pitStopAdd"), &QPushButton::clicked, this, [this] {
        if (const auto values = RunStopDialog(Translate("Add Pitstop Info"), {}, false))
            m_fuel->AddStop(*values);
        Reload();
    });
    auto edit = [this, current] {
        const int row = current();
        if (!m_fuel->RowHasLap(row)) return;
        if (const auto values = RunStopDialog(Translate("Edit Pitstop Info"), m_fuel->Stop(row), false))
            m_fuel->EditStop(row, *values);
        Reload();
    };
    connect(button("Edit", "pitStopEdit"), &QPushButton::clicked, this, edit);
    connect(view, &QTableView::doubleClicked, this, edit);
    connect(button("Delete", "pitStopRemove"), &QPushButton::clicked, this, [this, current] {
        const int row = current();
        if (!m_fuel->RowHasLap(row)) return;
        if (RunStopDialog(Translate("Delete Pitstop Info"), m_fuel->Stop(row), true)) m_fuel->DeleteStop(row);
        Reload();
    });
    connect(button(N_("Recalculate"), "pitStopRecalculate"), &QPushButton::clicked, this, [this] {
        m_fuel->RecalculateWithDialog();
        Reload();
    });
    buttons->addStretch(1);
    layout->addLayout(buttons);
}

std::optional<PitStopValues> ActiveSessionPages::RunStopDialog(const QString& caption,
                                                               const PitStopValues& values, bool readOnly) {
    QDialog dialog(m_driverSlots ? m_driverSlots->window() : nullptr);
    dialog.setWindowTitle(caption);
    auto* form = new QFormLayout(&dialog);
    auto* lap = new QLineEdit(values.lap, &dialog);
    auto* fuel = new QLineEdit(values.fuel, &dialog);
    auto* tires = new QLineEdit(values.tires, &dialog);
    auto* other = new QLineEdit(values.other, &dialog);
    form->addRow(Translate("Lap number"), lap);
    form->addRow(Translate("Fuel fill amount"), fuel);
    form->addRow(Translate("Tires"), tires);
    form->addRow(Translate("Other"), other);
    auto* note =
        new QLabel(Translate("Note that the algorithm will treat any text for fuel amount as a complete "
                             "fill-up."),
                   &dialog);
    note->setWordWrap(true);
    form->addRow(note);
    for (QLineEdit* edit : {lap, fuel, tires, other})
        edit->setEnabled(!readOnly);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const PitStopValues typed{lap->text(), fuel->text(), tires->text(), other->text()};
        if (const auto error = m_fuel->CheckStop(typed); error && !readOnly) {
            lap->setFocus();
            lap->selectAll();
            if (Prompter* prompter = m_state.GetServices().prompter) prompter->ShowError(*error);
            return;
        }
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return PitStopValues{lap->text(), fuel->text(), tires->text(), other->text()};
}

void ActiveSessionPages::ShowFuelFigures() {
    if (!m_fuel) return;
    if (m_pitConsumption) m_pitConsumption->setText(m_fuel->PitConsumption());
    const auto lines = m_fuel->ConsumptionLines();
    for (int i = 0; i + 1 < m_consumptionLabels.size() && i / 2 < int(lines.size()); i += 2) {
        if (m_consumptionLabels[i]) m_consumptionLabels[i]->setText(lines[size_t(i / 2)].first);
        if (m_consumptionLabels[i + 1]) m_consumptionLabels[i + 1]->setText(lines[size_t(i / 2)].second);
    }
}

void ActiveSessionPages::ChooseLink(SessionLink link) {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return;
    SessionLinkDialogBox dialog(m_session.LinkDialog(link), *prompter,
                                m_driverSlots ? m_driverSlots->window() : nullptr);
    if (dialog.exec() != QDialog::Accepted) return;
    m_session.SetLink(link, dialog.FileName());
}

QString ActiveSessionPages::CaptionText(int index) const {
    const SessionField& field = SessionFields()[size_t(index)];
    const SessionUnits units = m_session.Units();
    QString caption = Translate(field.Caption(units.miles));
    QString unit;
    if (field.conversion == SessionConversion::Volume) unit = Translate(units.volumeUnit);
    const QString& key = field.key;
    if (key == SessionKeys::AirTemperature || key == u"track_temperature")
        unit = Translate(m_state.Settings().temperatureUnit);
    if (key == SessionKeys::Pressure) unit = m_state.Settings().pressureUnit;
    if (key == SessionKeys::Humidity) unit = QStringLiteral(N_("%"));
    return unit.isEmpty() ? caption : caption + QStringLiteral(" [") + unit + u']';
}

QWidget* ActiveSessionPages::FieldWidget(const QString& key) const {
    for (const FieldControl& control : m_fields)
        if (control.widget && SessionFields()[size_t(control.index)].key == key) return control.widget;
    return nullptr;
}

void ActiveSessionPages::ShowField(const FieldControl& control) {
    const QString text = m_session.Text(control.index);
    if (control.label) control.label->setText(CaptionText(control.index));
    if (auto* mru = qobject_cast<TMRUComboBox*>(control.widget)) {
        if (mru->currentText() != text) mru->SetText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(control.widget)) {
        const bool track = SessionFields()[size_t(control.index)].control == SessionControl::TrackBox;
        if (track) {
            QStringList items{QString()};
            items << m_session.TrackNames();
            QStringList shown;
            for (int i = 0; i < box->count(); ++i)
                shown << box->itemText(i);
            if (shown != items) {
                box->clear();
                box->addItems(items);
                FitPopupToItems(box);
            }
        }
        const int found = box->findText(text);
        if (found >= 0)
            box->setCurrentIndex(found);
        else if (box->isEditable())
            box->setEditText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control.widget)) {
        if (edit->text() != text) edit->setText(text);
    } else if (auto* notes = qobject_cast<NotesEditor*>(control.widget)) {
        notes->ShowText(text);
    }
}

void ActiveSessionPages::Reload() {
    m_showing = true;
    for (const FieldControl& control : m_fields)
        if (control.widget) ShowField(control);
    m_showing = false;
    for (auto it = m_linkOpenButtons.constBegin(); it != m_linkOpenButtons.constEnd(); ++it)
        if (it.value()) it.value()->setEnabled(m_session.LinkOpenEnabled(SessionLink(it.key())));
    const AirDensityView& density = m_session.AirDensity();
    for (QWidget* part : {static_cast<QWidget*>(m_adCaption.data()), static_cast<QWidget*>(m_adButton.data()),
                          static_cast<QWidget*>(m_adUnit.data())})
        if (part) part->setVisible(density.panelVisible);
    if (m_adCaption) m_adCaption->setText(density.caption);
    if (m_adButton) m_adButton->setText(density.valueText);
    if (m_adUnit) m_adUnit->setText(density.unitCaption);
    if (m_generalNotesPage) m_generalNotesPage->Reload();
    ShowFuelFigures();
}
