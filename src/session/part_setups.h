#pragma once
// Part setups: one setup area kept under a name in "Setups/" (prefix + name + ".set"), the name lists
// per area for the current vehicle, the manager's operations (save, load, delete, copy from any setup)
// and composing a whole setup from one part setup per area.
#include "setup_model.h"
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>

QString PartSetupFolder(const QString& dataDir); // dataDir/Setups
QString PartSetupPath(const QString& dataDir, SetupArea area, const QString& name);
// The area of a command-line word: tire, suspension, engine, gearing, jetting, aerodynamics, weight, general.
std::optional<SetupArea> PartSetupAreaOfWord(const QString& word);

// The refusal of a name (translated), none when it may name a file: trimmed, not empty, none of
// \ / : * ? " < > | ; [ ] and no control characters (they would leave the folder or break the file).
std::optional<QString> CheckPartSetupName(const QString& name);

// The names of the area's part setups whose "vehicle" is empty or the vehicle's code, sorted.
QStringList ListPartSetups(const QString& dataDir, SetupArea area, VehicleType vehicle);

// Writes the area of the setup under the name: "information" with the vehicle code, then the area's
// sections with its selected-setup key holding the name. The name must have passed the check.
Expected<void, QString> WritePartSetup(const SetupModel& setup, SetupArea area, const QString& dataDir,
                                       const QString& name);

// The manager of one area's part setups ("Manage %s Setups").
class PartSetupManager {
  public:
    PartSetupManager(SetupModel& setup, Prompter& prompter, QString dataDir, SetupArea area);

    enum class Result { None, Saved, Loaded, Deleted, Copied };

    QString Caption() const; // "Manage Gearing Setups"
    SetupArea Area() const { return m_area; }
    const QStringList& Names() const { return m_names; }
    QString Box() const { return m_box; }
    void SetBox(const QString& name) { m_box = name; }
    bool CanLoadOrDelete() const { return !m_box.trimmed().isEmpty(); }

    // Each returns whether the dialog closes, and sets Outcome().
    bool Save();
    bool Load();
    bool Delete();
    bool CopyFromSetup(const QString& path);
    Result Outcome() const { return m_result; }

  private:
    SetupModel& m_setup;
    Prompter& m_prompter;
    QString m_dataDir;
    SetupArea m_area;
    QStringList m_names;
    QString m_box;
    Result m_result = Result::None;
};

// Loads, in area order, every area of the vehicle whose part setup of the given name exists; an empty or
// unknown name, or an area the vehicle lacks, leaves that area as it is. The setup is marked changed once
// any area loaded. Returns the areas loaded.
std::vector<SetupArea> ComposeSetup(SetupModel& setup, const QString& dataDir,
                                    const std::map<SetupArea, QString>& names);
