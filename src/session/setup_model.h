#pragma once
// The current setup: its values, the vehicle type and distance unit they are shown for, the change flag
// and the setup file operations (open, load one area, write the sections). The setup pages show and edit
// this model; every rule lives here.
#include "events/event.h"
#include "setup_area_io.h"
#include "setup_record.h"
#include <functional>
#include <vector>

class Prompter;
class TTxtParser;

class SetupModel {
  public:
    explicit SetupModel(VehicleType vehicle = VehicleType::Motorcycle, Prompter* prompter = nullptr);

    // Asked before an area is loaded: a cell edit in progress is written into the setup first.
    std::function<void()> requestCommitCellEdit;
    // After an area was loaded (the engine area recomputes the power chart and gearing, the gearing area
    // re-applies its gear symbols, the pages show the new values).
    Event<SetupArea> areaLoaded;
    // Whenever an edit marks the setup changed.
    Event<> changed;

    // The setup sub-page the next edits are made on ("Engine", "Gearing"); it gets the change mark.
    const QString& EditingPage() const { return m_editingPage; }
    void SetEditingPage(const QString& subPage) { m_editingPage = subPage; }

    VehicleType Vehicle() const { return m_context.vehicle; }
    void SetVehicle(VehicleType vehicle) { m_context.vehicle = vehicle; }
    bool Miles() const { return m_context.miles; }
    // Sets the distance unit the values are shown in, converting the shown lengths (not an edit: the
    // change flag stays as it was).
    void ApplyDistanceUnit(bool miles);

    const SetupRecord& Record() const { return m_record; }
    void NewSetup(); // every field at its default, no file, unchanged

    // Editing; every change of a text marks the setup changed.
    QString Text(const QString& section, const QString& key) const { return m_record.Value(section, key); }
    void SetText(const QString& section, const QString& key, const QString& text);
    // markChanged false: a value the page keeps with the setup whose change alone is no edit (the rpm
    // figures of the gearing calculator).
    void SetFieldText(int index, const QString& text, bool markChanged = true);
    bool IsChecked(const QString& section, const QString& key) const {
        return m_record.IsChecked(section, key);
    }
    void SetChecked(const QString& section, const QString& key, bool checked);
    QString Cell(GridId grid, int row, int column) const { return m_record.Cell(grid, row, column); }
    // With symmetric editing on (car), a changed wheel-angle or damper cell is copied to the other wheel
    // of the same axle; the monoshock column is never copied.
    void SetCell(GridId grid, int row, int column, const QString& text);
    QString SelectedName(SetupArea area) const { return m_record.selectedNames[size_t(area)]; }
    void SetSelectedName(SetupArea area, const QString& name);

    // Layout for the current vehicle type.
    bool HasArea(SetupArea area) const { return HasSetupArea(area, m_context.vehicle); }
    std::vector<int> AreaFields(SetupArea area) const;
    std::vector<GridId> AreaGrids(SetupArea area) const;
    // Columns shown: the vehicle's columns; the car dampers show "Front" while the front monoshock is
    // checked and FL, FR otherwise; the jetting grid shows as many cylinders as "num_of_cylinders".
    std::vector<int> VisibleColumns(GridId grid) const;
    int CylinderCount() const;
    // Whether a setup sub-page ("Detailed settings", ...) shows anything for the vehicle: a sub-page
    // without a field or grid of the vehicle's areas is hidden.
    bool HasSubPage(const QString& subPage) const;

    bool IsChanged() const { return m_changed; }
    void MarkChanged();
    void MarkUnchanged() { m_changed = false; }
    QString FileName() const { return m_fileName; }

    // Loads a whole setup. Without a reader the file is opened here (a missing file reads as empty).
    // False, with the message shown and nothing changed, when the file exists but cannot be read or
    // belongs to another vehicle.
    bool OpenSetup(const QString& path, TTxtParser* reader = nullptr);
    // Loads one area; without a reader the file is opened and checked here as OpenSetup does.
    bool LoadSetupArea(SetupArea area, const QString& path, TTxtParser* reader = nullptr);
    // The sections of every area the vehicle has, current keys only, values in the stored units.
    void WriteSetupSections(TTxtParser& writer) const;
    void WriteAreaSections(SetupArea area, TTxtParser& writer) const;
    // Reads "vehicle" of "information": an empty code fits every vehicle; another code shows
    // "Vehicle types doesn't match!..." and gives false.
    bool VehicleMatches(TTxtParser& reader) const;

  private:
    void ShowError(const QString& message) const;
    // Opens path into own and checks it; false (message shown) when it cannot be read or does not fit.
    bool OpenOwnReader(TTxtParser& own, const QString& path) const;

    Prompter* m_prompter;
    SetupIoContext m_context;
    SetupRecord m_record;
    QString m_fileName;
    QString m_editingPage;
    bool m_changed = false;
};
