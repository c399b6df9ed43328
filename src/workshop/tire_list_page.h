#pragma once
// The "Tire list" page of the current vehicle type: the inventory with its grouping tree, the shown
// rows, selection and check marks, the tire and history commands, and the links to the setup's tire
// table. The window runs the dialogs through the requests and hands their results back.
#include "events/event.h"
#include "services/services.h"
#include "session/setup_model.h"
#include "tire_list.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <set>

// What the tire dialog is opened with.
struct TireDialogRequest {
    TireDialogMode mode = TireDialogMode::Add;
    TireDialogValues preset;
    bool circumference = false; // karts and cars show the circumference fields
    bool miles = false;
    // Gives the refusal for values the dialog would return ("Tire ID not unique!"), none when fine.
    std::function<std::optional<QString>(const TireDialogValues&)> check;
};

// The history dialog: shared fields and one line per tire.
struct TireHistoryLine {
    QString id, position, rotation;
};
struct TireHistoryValues {
    QString date; // "yyyy-mm-dd"
    QString driver, track, sessionType, laps, vehicle;
    QList<TireHistoryLine> tires;
    bool increaseHeatCycles = true;
    bool addMileage = false;
};
struct TireHistoryRequest {
    bool editing = false; // caption "Edit Tire History", no heat-cycle box
    TireHistoryValues preset;
};

// The automatic entry after a timed session.
struct SessionTireInfo {
    double start = 0; // day number of the first driver's session start
    QString track, driver, vehicle, sessionType, laps;
    QStringList drivers;
};
struct SessionTireDialogValues {
    double dateTime = 0;
    QString track, driver, vehicle, sessionType, laps;
    QStringList tireLines; // "FL (123) "
};

// "Update Tire Circumference": per position of the four-wheel table, the setup's ID and the measured
// circumference in the user's unit.
struct TireCircumferenceLine {
    QString label; // "Front Left", ...
    QString id;
    QString circumference;
};

class TireListPage {
  public:
    TireListPage(Prompter& prompter, Clock& clock, SetupModel& setup, QString dataDir);

    Event<> changed;       // the list, its tree or its dirty mark changed
    Event<> setupModified; // the setup's tire table was written
    std::function<std::optional<TireDialogValues>(const TireDialogRequest&)> requestTireDialog;
    std::function<std::optional<TireHistoryValues>(const TireHistoryRequest&)> requestHistoryDialog;
    std::function<std::optional<SessionTireDialogValues>(const SessionTireDialogValues&)>
        requestSessionDialog;
    std::function<std::optional<QList<TireCircumferenceLine>>(const QList<TireCircumferenceLine>&)>
        requestCircumferenceDialog;
    // Track length in metres of a track name (empty when unknown).
    std::function<QString(const QString& track)> requestTrackLength;
    // The session page's first driver, track and type of session (presets of the history dialog).
    std::function<TireHistoryValues()> requestSessionPresets;

    VehicleType Vehicle() const { return m_vehicle; }
    void SetVehicle(VehicleType vehicle); // reloads the vehicle's list
    bool Miles() const { return m_miles; }
    void SetMiles(bool miles);
    QString DataDir() const { return m_dataDir; }

    // Reads the file of the current vehicle type (missing: empty list); an unreadable file is reported.
    void LoadTireList();
    bool SaveTireList();
    bool IsDirty() const { return m_dirty; }
    // Leaving the page while changed asks "Unsaved Tire List changes exists, save now?".
    bool TireListTabSheetExit();
    // The vehicle type may change only while nothing is unsaved ("Save tire list first to change vehicle!").
    bool MayChangeVehicle();

    const TireList& List() const { return m_list; }
    QStringList SetupTireIds() const; // the ID row of the setup's tire table, in column order
    const std::vector<TireTreeNode>& Tree() const { return m_tree; }
    int SelectedNode() const { return m_node; }
    void SelectNode(int index); // out of range: the first node
    const TireListView& View() const { return m_view; }
    void HeaderClick(int storedColumn); // same column again reverses the order

    // Selection by ID (the shown rows), check marks by ID.
    QString SelectedId() const { return m_selected; }
    void SelectTire(const QString& id);
    // The selected rows (Delete removes them all); the first one is the selected tire.
    void SelectTires(const QStringList& ids);
    QStringList SelectedIds() const;
    bool IsChecked(const QString& id) const { return m_checked.count(id.trimmed()) > 0; }
    void SetChecked(const QString& id, bool checked);
    void CheckAll(bool checked);

    // The tires shown that are ticked or selected, in the shown order (tags and labels).
    std::vector<TireRecord> ExportedTires() const;

    // The selected tire's history as shown.
    QList<QStringList> SelectedHistory() const;

    // Commands.
    void AddTire();
    void EditTire();
    void CloneTire();
    void DeleteTires();
    void AssignTire(int position); // index into TirePositions(vehicle)
    void SyncSetupTires();
    void UpdateTireCircumference(const QList<TireCircumferenceLine>& lines);
    void UpdateTireCircumferenceWithDialog(const QString& measuredFL, const QString& measuredFR,
                                           const QString& measuredRL, const QString& measuredRR);
    void AddTireHistory();
    void EditTireHistory(int entry);
    void DeleteTireHistory(int entry);
    void UpdateTiresFromSession(const SessionTireInfo& info);

    int FindTireRow(const QString& id) const { return ::FindTireRow(m_list, id); }
    QString GetTireField(const QString& id, int column) const;
    void SetTireField(const QString& id, int column, const QString& text);

    QString Today() const;

  private:
    void MarkDirty();
    void Rebuild(); // tree, node and view
    GridId TireGrid() const;
    std::optional<TireHistoryValues> AskHistory(const TireHistoryRequest& request);

    Prompter& m_prompter;
    Clock& m_clock;
    SetupModel& m_setup;
    QString m_dataDir;
    VehicleType m_vehicle = VehicleType::Motorcycle;
    bool m_miles = false;
    TireList m_list;
    bool m_dirty = false;
    std::vector<TireTreeNode> m_tree;
    int m_node = 0;
    TireSort m_sort;
    TireListView m_view;
    QString m_selected;
    QStringList m_selectedIds; // all selected rows, m_selected first
    std::set<QString> m_checked;
};
