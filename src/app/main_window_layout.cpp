#include "main_window_layout.h"

#include "storage/translate.h"

#include <QFileInfo>

namespace {

PageNode Page(const char* caption, std::vector<PageNode> children = {}) {
    return PageNode{QString::fromLatin1(caption), std::move(children)};
}

} // namespace

const std::vector<PageNode>& MainPages() {
    static const std::vector<PageNode> pages = {
        Page(N_("Active session"), {Page("General"), Page("Tires"), Page("Vehicle"), Page(N_("Pit Stops"))}),
        Page(N_("Setup"),
             {Page("Tires", {Page("Current setup"), Page(N_("Tire list"))}),
              Page(N_("Suspension"), {Page(N_("Basic settings")), Page(N_("Detailed settings"))}),
              Page(N_("Weight distribution")), Page(N_("Aerodynamics")), Page(N_("Engine")),
              Page(N_("Jetting")), Page(N_("Gearing")), Page("General")}),
        Page("Tracks", {Page("Track map"), Page("Contact details"), Page("Movie")}),
        Page(N_("Maintenance"), {Page(N_("Part status")), Page(N_("Maintenance Log"), {Page("Report")}),
                                 Page("Suppliers"), Page("Order status")}),
        Page("Sessions", {Page(N_("Completed")), Page(N_("Scheduled")), Page(N_("Compared"))}),
        Page(N_("General notes")),
    };
    return pages;
}

namespace {
void CollectLeaves(const PageNode& node, const QString& path, QStringList& leaves) {
    if (node.children.empty()) {
        leaves << path;
        return;
    }
    for (const PageNode& child : node.children)
        CollectLeaves(child, path + u'/' + child.caption, leaves);
}
} // namespace

QStringList LeafPagePaths(const QString& topPage) {
    QStringList leaves;
    for (const PageNode& node : MainPages())
        if (node.caption == topPage) CollectLeaves(node, node.caption, leaves);
    return leaves;
}

QString MainWindowTitle(const QString& caption, const QString& sessionFile, bool changed) {
    if (sessionFile.isEmpty() && !changed) return caption;
    QString name = sessionFile.isEmpty() ? Translate("New session") : QFileInfo(sessionFile).fileName();
    if (changed) name += u'*';
    return name + QStringLiteral(" - ") + caption;
}

bool IsPageVisible(const QStringList& path, bool maintenanceOnly, VehicleType vehicle) {
    if (path.isEmpty()) return true;
    if (maintenanceOnly && path.first() != u"Maintenance") return false;
    if (path.size() >= 2 && path.at(0) == u"Setup" &&
        (path.at(1) == u"Aerodynamics" || path.at(1) == u"Weight distribution"))
        return vehicle == VehicleType::Kart || vehicle == VehicleType::Car;
    return true;
}

const std::vector<MenuEntry>& MainMenu() {
    auto entry = [](QStringList path, MenuCommand command, const char* shortcut, bool built) {
        return MenuEntry{std::move(path), command, QString::fromLatin1(shortcut), built};
    };
    const QString file = QStringLiteral(N_("File"));
    const QString tools = QStringLiteral(N_("Tools"));
    const QString vehicle = QStringLiteral(N_("Choose vehicle"));
    const QString exportMenu = QStringLiteral("Export to HTML");
    const QString help = QStringLiteral(N_("Help"));
    using C = MenuCommand;
    static const std::vector<MenuEntry> menu = {
        entry({file, QStringLiteral("New session")}, C::NewSession, "Ctrl+N", true),
        entry({file, QStringLiteral("Open session")}, C::OpenSession, "Ctrl+O", true),
        entry({file, QStringLiteral("Save session")}, C::SaveSession, "", true),
        entry({file, QStringLiteral(N_("Save session (smart)"))}, C::SaveSessionSmart, "Ctrl+Alt+S", true),
        entry({file, QStringLiteral(N_("Reopen session"))}, C::ReopenSession, "", true),
        entry({file, QStringLiteral("Import lap times")}, C::ImportLapTimes, "Ctrl+I", true),
        entry({file, QStringLiteral("Open setup from session")}, C::OpenSetupFromSession, "", true),
        entry({file, QStringLiteral(N_("Compose setup"))}, C::ComposeSetup, "", true),
        entry({file, QStringLiteral(N_("Exit"))}, C::Exit, "", true),
        entry({tools, vehicle, QStringLiteral("Motorcycle")}, C::VehicleMotorcycle, "", true),
        entry({tools, vehicle, QStringLiteral("Sidecar")}, C::VehicleSidecar, "", true),
        entry({tools, vehicle, QStringLiteral("Kart")}, C::VehicleKart, "", true),
        entry({tools, vehicle, QStringLiteral("Car")}, C::VehicleCar, "", true),
        entry({tools, QStringLiteral(N_("Jetting Guru"))}, C::JettingGuru, "", true),
        entry({tools, QStringLiteral("Tire pressure Guru")}, C::TirePressureGuru, "", true),
        entry({tools, QStringLiteral(N_("Fuel calculator"))}, C::FuelCalculator, "", true),
        entry({tools, QStringLiteral(N_("Pit crew panel"))}, C::PitCrewPanel, "", true),
        entry({tools, QStringLiteral(N_("To-do"))}, C::Todo, "", true),
        entry({tools, QStringLiteral("Backup / Restore")}, C::BackupRestore, "Ctrl+B", true),
        entry({tools, QStringLiteral("Options")}, C::Options, "", true),
        entry({exportMenu, QStringLiteral("Session")}, C::ExportSession, "", true),
        entry({exportMenu, QStringLiteral(N_("Setup"))}, C::ExportSetup, "", true),
        entry({exportMenu, QStringLiteral("Tracks")}, C::ExportTracks, "", true),
        entry({exportMenu, QStringLiteral(N_("Part status"))}, C::ExportPartStatus, "", true),
        entry({help, QStringLiteral(N_("Contents"))}, C::HelpContents, "F1", true),
        entry({help, QStringLiteral(N_("ReadMe.txt"))}, C::HelpReadMe, "", true),
        entry({help, QStringLiteral("About...")}, C::HelpAbout, "", true),
    };
    return menu;
}

QString VehicleCodeOfCommand(MenuCommand command) {
    switch (command) {
    case MenuCommand::VehicleMotorcycle:
        return VehicleCode(VehicleType::Motorcycle);
    case MenuCommand::VehicleSidecar:
        return VehicleCode(VehicleType::Sidecar);
    case MenuCommand::VehicleKart:
        return VehicleCode(VehicleType::Kart);
    case MenuCommand::VehicleCar:
        return VehicleCode(VehicleType::Car);
    default:
        return QString();
    }
}

QString WindowCaption(int major, int minor) {
    return QStringLiteral("Vorlapa v%1.%2").arg(major).arg(minor);
}
