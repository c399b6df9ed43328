#include "list_exports.h"

#include "services/services.h"
#include "storage/translate.h"
#include "tire_tags.h"
#include "tracks/tracks_page.h"
#include "workshop/part_status_page.h"
#include "workshop/suppliers.h"

#include <QDir>

bool ListExports::PrepareFolder(const ReportContext& context) {
    if (QDir().mkpath(context.exportFolder)) return true;
    m_prompter.ShowError(Fill(Translate("Cannot create directory %s"), context.exportFolder));
    return false;
}

void ListExports::OfferToOpen(const QString& path) {
    if (m_prompter.AskYesNo(Translate("Open in browser?")) != Answer::Yes) return;
    if (!m_shell.Open(path))
        m_prompter.ShowError(
            Translate("Unable to start web browser. Make sure you have it properly set-up on your system."));
}

QStringList ListExports::ExportTracks(const ReportContext& context, TracksPage& tracks,
                                      const QString& dataDir) {
    if (tracks.List().Count() == 0) {
        m_prompter.ShowError(Translate("You first have to add some tracks!"));
        return {};
    }
    if (!tracks.TracksTabSheetExit()) return {};
    if (!requestTrackOptions) return {};
    const auto options = requestTrackOptions(TrackExportOptions{});
    if (!options || !PrepareFolder(context)) return {};
    TrackExportInput input;
    input.dataDir = dataDir;
    input.tracks = tracks.List();
    input.units = tracks.Units();
    input.options = *options;
    const auto written = ExportTrackPages(context, input);
    if (!written) {
        m_prompter.ShowError(written.error());
        return {};
    }
    OfferToOpen(written->first());
    return *written;
}

QStringList ListExports::ExportPartStatus(const ReportContext& context, PartStatusPage& parts,
                                          const QStringList& supplierListNames) {
    if (!requestPartStatusOptions) return {};
    QStringList suppliers = DistinctNames(supplierListNames);
    QStringList onPartsOnly;
    for (const PartGroup& group : parts.Groups())
        for (const QStringList& row : group.parts.Rows()) {
            const QString supplier = row.value(part_col::Supplier).trimmed();
            if (!supplier.isEmpty() && !suppliers.contains(supplier) && !onPartsOnly.contains(supplier))
                onPartsOnly << supplier;
        }
    onPartsOnly.sort(Qt::CaseInsensitive);
    suppliers += onPartsOnly;
    const auto options = requestPartStatusOptions(parts.GroupNames(), suppliers);
    if (!options) return {};
    std::vector<ReportPart> collected = CollectReportParts(parts.Groups(), *options);
    if (collected.empty()) {
        m_prompter.ShowInformation(Translate("No matching data found!"));
        return {};
    }
    SortReportParts(collected, options->firstSort, options->secondSort);
    // Cancel at the save offer ends the export: the report would show what may still be undone.
    if (!parts.PartStatusTabSheetExit() || !PrepareFolder(context)) return {};
    const auto written = WritePartStatusReport(context, collected, *options);
    if (!written) {
        m_prompter.ShowError(written.error());
        return {};
    }
    OfferToOpen(*written);
    return {*written};
}

QStringList ListExports::ExportTireTags(const ReportContext& context, const std::vector<TireRecord>& tires,
                                        VehicleType vehicle, bool miles) {
    if (tires.empty()) {
        m_prompter.ShowError(Translate("No tires selected!"));
        return {};
    }
    if (!PrepareFolder(context)) return {};
    const auto written = WriteTireTags(context, tires, vehicle, miles);
    if (!written) {
        m_prompter.ShowError(written.error());
        return {};
    }
    OfferToOpen(*written);
    return {*written};
}
