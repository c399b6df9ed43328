#pragma once
// The menu and button commands that export the program-wide lists: "Export Tracks", "Export Part
// Status" and the tire tags, each with its checks, its save offer, its options window (a request) and the
// offer to open the result in the browser.
#include "part_status_report.h"
#include "report_context.h"
#include "track_export.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class Prompter;
class Shell;
class TracksPage;
class PartStatusPage;
struct TireRecord;
enum class VehicleType;

class ListExports {
  public:
    ListExports(Prompter& prompter, Shell& shell) : m_prompter(prompter), m_shell(shell) {}

    // The "Export Tracks" window: the options chosen, std::nullopt on Cancel.
    std::function<std::optional<TrackExportOptions>(const TrackExportOptions& initial)> requestTrackOptions;
    // The "Export Part Status" dialog with the groups and suppliers to offer.
    std::function<std::optional<PartStatusExportOptions>(const QStringList& groups,
                                                         const QStringList& suppliers)>
        requestPartStatusOptions;

    // Each returns the files written (empty when refused, cancelled or failed; a failure has been shown).
    QStringList ExportTracks(const ReportContext& context, TracksPage& tracks, const QString& dataDir);
    // The dialog offers the supplier list's names, then the suppliers named only on parts.
    QStringList ExportPartStatus(const ReportContext& context, PartStatusPage& parts,
                                 const QStringList& supplierListNames);
    QStringList ExportTireTags(const ReportContext& context, const std::vector<TireRecord>& tires,
                               VehicleType vehicle, bool miles);

  private:
    bool PrepareFolder(const ReportContext& context);
    void OfferToOpen(const QString& path);

    Prompter& m_prompter;
    Shell& m_shell;
};
