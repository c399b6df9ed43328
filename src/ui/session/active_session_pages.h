#pragma once
// Builds the "Active session" sub-pages ("General", "Tires", "Vehicle", "Pit Stops") from the session
// field table and the "General notes" page. The controls show the session model's values and forward
// every user edit to it; the model's texts, enabled states and air density decide what is shown.
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <memory>
#include <optional>
#include <vector>

class AppState;
class GeneralNotesModel;
class GeneralNotesPage;
class NotesEditor;
class QComboBox;
class QTableView;
class QVBoxLayout;
class QWidget;
class SessionModel;
enum class SessionLink;
enum class SessionPage;

class SessionFuel;
struct PitStopValues;

class ActiveSessionPages : public QObject {
    Q_OBJECT
  public:
    ActiveSessionPages(SessionModel& session, GeneralNotesModel& generalNotes, AppState& state,
                       QObject* parent = nullptr);

    // The fuel pages' model (consumption figures, pit stop plan); set before Build.
    void SetFuel(SessionFuel* fuel) { m_fuel = fuel; }

    // The page widgets to fill, by English caption ("General", "Tires", "Vehicle", "Pit Stops",
    // "General notes").
    void SetHosts(const QHash<QString, QWidget*>& hosts);
    // Builds the pages for the current vehicle and units; later calls rebuild only what depends on them.
    void Build();
    // Rebuilds when the vehicle or a unit changed since the last build, else shows the values again.
    void Sync();
    // Shows the model's values again (after a load, a clear, an edit from elsewhere).
    void Reload();

    // The live timing's place on the "General" page, and the notes panel it swaps with.
    QWidget* DriverSlotsArea() const { return m_driverSlots; }
    QWidget* SessionNotesPanel() const { return m_notesPanel; }
    QWidget* FieldWidget(const QString& key) const;
    QPushButton* AirDensityButton() const { return m_adButton; }
    GeneralNotesModel& GeneralNotes() { return m_generalNotes; }
    GeneralNotesPage* GeneralNotesWidget() const { return m_generalNotesPage; }

  private:
    struct FieldControl {
        int index;
        QPointer<QWidget> widget;
        QPointer<QLabel> label;
    };
    QWidget* BuildGroups(SessionPage page, int columns);
    QWidget* MakeControl(int index, QWidget* parent);
    QWidget* MakeLinkRow(SessionLink link, QWidget* parent);
    void BuildGeneral(QWidget* host);
    void BuildPitStops(QWidget* host);
    void RebuildVehiclePages();
    void AddPitStopButtons(QWidget* box, QVBoxLayout* layout, QTableView* view);
    std::optional<PitStopValues> RunStopDialog(const QString& caption, const PitStopValues& values,
                                               bool readOnly);
    void ShowFuelFigures();
    void ChooseLink(SessionLink link);
    QString CaptionText(int index) const;
    QString Signature() const;
    void ShowField(const FieldControl& control);

    SessionModel& m_session;
    AppState& m_state;
    GeneralNotesModel& m_generalNotes;
    QHash<QString, QWidget*> m_hosts;
    QHash<QString, QPointer<QWidget>> m_built; // rebuilt page content by caption
    std::vector<FieldControl> m_fields;
    QPointer<QWidget> m_driverSlots, m_notesPanel;
    QPointer<QLabel> m_adCaption, m_adUnit;
    QPointer<QPushButton> m_adButton;
    QHash<int, QPointer<QPushButton>> m_linkOpenButtons; // by SessionLink
    GeneralNotesPage* m_generalNotesPage = nullptr;      // owned by its host
    SessionFuel* m_fuel = nullptr;
    QPointer<QLineEdit> m_pitConsumption;
    QList<QPointer<QLabel>> m_consumptionLabels; // caption, value, caption, value, ...
    QString m_builtSignature;
    bool m_generalBuilt = false;
    bool m_showing = false; // values are being shown, not edited
};
