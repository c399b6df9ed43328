#pragma once
// The current session: its record, its file, the save and load procedures, "Clear notes", the two file
// links and the air density figure of the weather fields. The "Active session" pages show and edit this
// model; the lap data live in the live timing and reach the model through two callbacks.
#include "app/app_state.h"
#include "calc/air_density_model.h"
#include "events/event.h"
#include "grid/text_grid.h"
#include "session_file.h"
#include "setup_model.h"
#include "storage/expected.h"
#include "timing/lap_figures.h"

#include <functional>
#include <memory>

enum class SessionLink { OnboardVideo, DataLogging };

// The texts of a link's choose dialog.
struct SessionLinkDialog {
    QString title;   // translated
    QString text;    // translated
    QString filter;  // file dialog filter (Qt form)
    QString folder;  // start folder of the file dialog (the remembered folder)
    QString current; // the current link
};

class SessionModel {
  public:
    SessionModel(AppState& state, SetupModel& setup);

    // The lap data: asked for at each save, handed over at each load (an error names a bad stored time).
    std::function<LapData()> requestLapData;
    std::function<Expected<void, QString>(const LapData&)> requestApplyLapData;

    // An edit or a load selected a track by name ("" when the name is not in the track list).
    Event<const QString&> trackSelected;
    // The session file was written (the lap data are safe in it), with its path.
    Event<const QString&> saved;
    // A session file was loaded whole, with its path.
    Event<const QString&> opened;
    // A session file was read (also when a bad lap time stopped it): the setup was replaced as well.
    Event<> loaded;
    // Anything the pages show may have changed (load, clear, unit change, options).
    Event<> changed;
    // A user edit of one field (its index in the field table).
    Event<int> fieldEdited;

    const SessionRecord& Record() const { return m_record; }
    QString Text(int index) const { return m_record.Field(index); }
    QString Text(const QString& section, const QString& key) const { return m_record.Value(section, key); }
    // A user edit: marks the session changed; the weather fields recompute the air density.
    void SetFieldText(int index, const QString& text);
    void SetText(const QString& section, const QString& key, const QString& text);
    // The part-status stamp: the start of the session the part status was last updated from (0: none).
    // A change counts as an edit of the session, so that the stamp is saved with it.
    void SetPartStatusStamp(double stamp);

    // Pit stop rows. The grid shows them as its used rows, followed by one empty row to type the next
    // stop into; its cell edits (TextGrid::EditCell) count as SetPitStopCell. Change it only through these
    // operations: the record's rows follow it.
    TextGrid& PitStopGrid() { return m_pitStopGrid; }
    int PitStopRowCount() const { return int(m_record.pitStopRows.size()); }
    QString PitStopCell(int row, int column) const;
    // A cell beyond the rows adds rows; empty rows at the end are dropped.
    void SetPitStopCell(int row, int column, const QString& text);
    void InsertPitStopRow(int row);
    void DeletePitStopRow(int row);

    // The track box's entries; the tracks page fills them.
    void SetTrackNames(const QStringList& names);
    const QStringList& TrackNames() const { return m_trackNames; }

    // The session counts as changed when its own values or its setup changed.
    bool IsChanged() const;
    void MarkChanged();
    void MarkUnchanged();
    bool Loading() const { return m_loading; }
    QString FileName() const { return m_fileName; }
    QString StatusText() const; // first status bar field: "Session: name.ses", empty without a file
    // "New session": the next save asks for a name.
    void ForgetFileName();

    // Writes the session file (session sections, then the setup sections). On failure the error is shown
    // and the current file name stays the previous one.
    bool SaveSession(const QString& path);
    // Reads a session file into the current session; false when it does not exist or belongs to another
    // vehicle (then nothing changes) and when a stored lap time could not be read (the values read before
    // it stay, the session counts as changed).
    bool LoadSession(const QString& path);
    // "Clear notes": asks (unless ask is false), then empties the result fields, notes, measurements,
    // pit-stop data and links.
    bool ClearSessionNotes(bool ask = true);
    // Before a session is replaced (open, new, reopen): offers to save unsaved changes. False on Cancel and
    // when the save was cancelled or failed.
    bool AskToSaveChanges();
    // "Save session": the save dialog, then SaveSession. False when cancelled or failed.
    bool SaveSessionWithDialog();
    // "Open session": the unsaved-changes question, the open dialog, then LoadSession.
    bool OpenSession();

    // Links.
    QString LinkPath(SessionLink link) const;
    bool LinkOpenEnabled(SessionLink link) const; // only when the linked file exists
    SessionLinkDialog LinkDialog(SessionLink link) const;
    // The dialog was confirmed with this file name.
    void SetLink(SessionLink link, const QString& fileName);
    bool OpenLink(SessionLink link);          // "Unable to open selected file!" on failure
    bool OpenNoteLink(const QString& target); // "Unable to open selected link" on failure

    // Air density of the weather fields; recomputed on every weather edit, on loading and after the
    // options (its units) changed.
    const AirDensityView& AirDensity() const { return m_airDensity.View(); }
    void CalcRAD(); // a weather edit: the session counts as changed
    // After the options: the figure in the new units or as AD/RAD, no edit.
    void RecomputeAirDensity();
    void ApplyOptions(); // takes the temperature and pressure units and the AD/RAD choice from the settings

    SessionUnits Units() const;
    QString SessionsFolder() const;
    // The fuel figures of the laps-remaining line: the session's amount on board and the track's dry and
    // wet consumption per lap (kept in litres), all in the volume unit the amount is shown in.
    FuelFigures FuelFiguresFor(const QString& dryLitresPerLap, const QString& wetLitresPerLap) const;

  private:
    struct LoadingScope;
    void SetCurrentFile(const QString& path);
    void Notify();
    void RegisterUnitFields();
    QString Resolve(const QString& path) const;
    int LinkIndex(SessionLink link) const;
    void PitStopCellEdited(int row, int column);
    void PitStopRowsEdited();
    void ShowPitStopRows();

    AppState& m_state;
    SetupModel& m_setup;
    SessionRecord m_record;
    TextGrid m_pitStopGrid;
    QString m_fileName;
    QStringList m_trackNames;
    AirDensityModel m_airDensity;
    bool m_loading = false;
    Connections m_unitFields;
};
