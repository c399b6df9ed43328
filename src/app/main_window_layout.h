#pragma once
// The main window as data: its pages and sub-pages, and the main menu. Captions are the English texts,
// which also identify a page or entry; the window shows them translated.
#include "storage/vehicle.h"
#include <QString>
#include <QStringList>
#include <vector>

struct PageNode {
    QString caption;
    std::vector<PageNode> children;
};

// The pages of the main window in tab order, sub-pages nested.
const std::vector<PageNode>& MainPages();
// The paths of the pages without sub-pages below a top page ("Setup" gives "Setup/Tires/Current setup",
// ..., "Setup/General"), in tab order.
QStringList LeafPagePaths(const QString& topPage);

// Whether the page at path (captions from the top, {"Setup", "Aerodynamics"}) is shown: with the
// maintenance-only marker just "Maintenance" stays; the aerodynamics and weight distribution setup pages
// exist for karts and cars only.
bool IsPageVisible(const QStringList& path, bool maintenanceOnly, VehicleType vehicle);

enum class MenuCommand {
    NewSession,
    OpenSession,
    SaveSession,
    SaveSessionSmart,
    ReopenSession,
    ImportLapTimes,
    OpenSetupFromSession,
    ComposeSetup,
    Exit,
    VehicleMotorcycle,
    VehicleSidecar,
    VehicleKart,
    VehicleCar,
    JettingGuru,
    TirePressureGuru,
    FuelCalculator,
    PitCrewPanel,
    Todo,
    BackupRestore,
    Options,
    ExportSession,
    ExportSetup,
    ExportTracks,
    ExportPartStatus,
    HelpContents,
    HelpReadMe,
    HelpAbout,
};

struct MenuEntry {
    QStringList path; // {"File", "New session"}, {"Tools", "Choose vehicle", "Motorcycle"}
    MenuCommand command;
    QString shortcut; // Qt key sequence text, "" when none
    bool built;       // false while the work behind the entry does not exist yet (shown disabled)
};

// Every entry of the main menu in menu order.
const std::vector<MenuEntry>& MainMenu();

// The vehicle code of a "Choose vehicle" entry, "" for other commands.
QString VehicleCodeOfCommand(MenuCommand command);

// "Vorlapa v<major>.<minor>".
QString WindowCaption(int major, int minor);
// The main window's title: the session's file name (without folder) with "*" while it has unsaved
// changes, then the caption: "race.ses* - Vorlapa v3.0". A new session with changes shows "New session*";
// an unchanged one without a file the caption alone.
QString MainWindowTitle(const QString& caption, const QString& sessionFile, bool changed);
