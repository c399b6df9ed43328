#include "part_status_report.h"

#include "grid/sort_grid.h"
#include "html_writer.h"
#include "storage/comma_text.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <QDir>
#include <algorithm>

QStringList PartReportSortChoices() {
    QStringList choices;
    for (const char* caption :
         {"Location", N_("Storage"), N_("Changed"), "Part No.", "Name", "Hours", "Mileage", "Starts",
          N_("Hours left"), N_("Mileage left"), N_("Starts left"), "Sessions left", "Supplier"})
        choices << Translate(caption);
    return choices;
}

namespace {

constexpr int kGroupField = kPartColumnCount; // the 33rd field

// A threshold that counts, or std::nullopt.
std::optional<double> Threshold(const InspectionCriterion& criterion, bool whole) {
    if (!criterion.ticked) return std::nullopt;
    const QString text = criterion.value.trimmed();
    if (whole) {
        const auto value = ParseInteger(text);
        return value ? std::optional<double>(*value) : std::nullopt;
    }
    return ParseDecimal(text);
}

// An empty or non-numeric value is never below.
bool Below(const QString& value, const std::optional<double>& threshold) {
    if (!threshold) return false;
    const auto number = ParseDecimal(value.trimmed());
    return number && *number < *threshold;
}

} // namespace

std::vector<ReportPart> CollectReportParts(const std::vector<PartGroup>& groups,
                                           const PartStatusExportOptions& options) {
    using namespace part_col;
    const bool inspection = options.type == PartReportType::Inspection;
    const auto mileage = Threshold(options.mileageBelow, false);
    const auto hours = Threshold(options.hoursBelow, false);
    const auto starts = Threshold(options.startsBelow, true);
    std::vector<ReportPart> kept;
    for (const QString& name : options.groups) {
        const auto group =
            std::find_if(groups.begin(), groups.end(), [&](const PartGroup& g) { return g.name == name; });
        if (group == groups.end()) continue;
        for (const QStringList& row : group->parts.Rows()) {
            QStringList fields = PadFields(row, kPartColumnCount).mid(0, kPartColumnCount);
            if (!options.allSuppliers && !options.suppliers.contains(fields[Supplier].trimmed())) continue;
            ReportPart part;
            if (inspection) {
                part.replace = Below(fields[MileageLeft], mileage) || Below(fields[HoursLeft], hours) ||
                               Below(fields[StartsLeft], starts);
                const bool due = Below(fields[MileageUntilInsp], mileage) ||
                                 Below(fields[HoursUntilInsp], hours) ||
                                 Below(fields[StartsUntilInsp], starts);
                if (!part.replace && !due) continue;
            }
            fields << group->name;
            part.fields = fields;
            kept.push_back(std::move(part));
        }
    }
    return kept;
}

void SortReportParts(std::vector<ReportPart>& parts, const QString& firstSort, const QString& secondSort) {
    const QStringList captions = PartColumnCaptions();
    auto column = [&](const QString& caption) {
        return caption.isEmpty() ? -1 : int(captions.indexOf(caption));
    };
    SortKeys keys{};
    keys[0].column = column(firstSort);
    if (!keys[0].IsSet()) return;
    keys[1].column = column(secondSort);
    const std::vector<int> order = SortedRowOrder(
        int(parts.size()), [&](int row, int col) { return parts[std::size_t(row)].fields.value(col); }, keys);
    std::vector<ReportPart> sorted;
    sorted.reserve(parts.size());
    for (int row : order)
        sorted.push_back(std::move(parts[std::size_t(row)]));
    parts = std::move(sorted);
}

QString PartReportFileName(PartReportType type) {
    return type == PartReportType::Inspection ? QStringLiteral("inspection.htm")
                                              : QStringLiteral("partstatus.htm");
}

namespace {

// The value formatted with the pattern; empty when it is no number.
QString Formatted(const QString& value, const QString& pattern) {
    const auto number = ParseDecimal(value.trimmed());
    return number ? FormatPattern(*number, pattern) : QString();
}

struct Cells {
    THTMLWriter& w;
    const ReportContext& c;
    void Header(const QString& title) {
        w.WriteLine(QStringLiteral("<TD BGCOLOR=\"%1\" VALIGN=\"bottom\">").arg(w.HeaderColor));
        w.WriteBoldText(ReportText(c, Translate(title)));
        w.WriteLine(QStringLiteral("</TD>"));
    }
    void Cell(const QString& text, const char* valign = "bottom", bool right = false) {
        w.WriteLine(QStringLiteral("<TD BGCOLOR=\"%1\" VALIGN=\"%2\"%3>")
                        .arg(w.ContentColor, QLatin1String(valign),
                             right ? QStringLiteral(" ALIGN=\"right\"") : QString()));
        w.WriteText(ReportText(c, text));
        w.WriteLine(QStringLiteral("</TD>"));
    }
};

void WriteNormalTable(THTMLWriter& w, const ReportContext& c, const std::vector<ReportPart>& parts,
                      const PartStatusExportOptions& o) {
    using namespace part_col;
    Cells cells{w, c};
    w.WriteLine(QStringLiteral("<TR>"));
    for (const char* title : {"Location", N_("Storage"), "Part No.", "Id", "Name", "Qty"})
        cells.Header(QString::fromLatin1(title));
    if (o.showSuppliers) cells.Header(QStringLiteral("Supplier"));
    if (o.showPrice) cells.Header(QStringLiteral("Price/pcs"));
    if (o.showHours) {
        cells.Header(QStringLiteral(N_("Hours left")));
        cells.Header(QStringLiteral("Hours"));
    }
    if (o.showMileage) {
        cells.Header(QStringLiteral(N_("Mileage left")));
        cells.Header(QStringLiteral("Mileage"));
    }
    if (o.showStarts) {
        cells.Header(QStringLiteral(N_("Starts left")));
        cells.Header(QStringLiteral("Starts"));
    }
    if (o.showSessions) cells.Header(QStringLiteral("Total sessions"));
    cells.Header(QStringLiteral("Comments"));
    cells.Header(QStringLiteral(N_("In group")));
    w.WriteLine(QStringLiteral("</TR>"));
    for (const ReportPart& part : parts) {
        const QStringList& f = part.fields;
        w.WriteLine(QStringLiteral("<TR>"));
        for (int column : {Location, Storage, PartNo, Id, Name})
            cells.Cell(f[column]);
        cells.Cell(f[Qty], "bottom", true);
        // A cell for each column chosen, so the rows stay under their headers.
        if (o.showSuppliers) cells.Cell(f[Supplier]);
        if (o.showPrice) cells.Cell(Formatted(f[Price], QStringLiteral("0.00")), "bottom", true);
        if (o.showHours) {
            cells.Cell(Formatted(f[HoursLeft], QStringLiteral("0.0")), "bottom", true);
            cells.Cell(Formatted(f[Hours], QStringLiteral("0.0")), "bottom", true);
        }
        if (o.showMileage) {
            cells.Cell(Formatted(f[MileageLeft], QStringLiteral("0.0")), "bottom", true);
            cells.Cell(Formatted(f[Mileage], QStringLiteral("0.0")), "bottom", true);
        }
        if (o.showStarts) {
            cells.Cell(f[StartsLeft], "bottom", true);
            cells.Cell(f[Starts], "bottom", true);
        }
        if (o.showSessions) cells.Cell(f[Sessions], "bottom", true);
        cells.Cell(f[Comments]);
        cells.Cell(f[kGroupField]);
        w.WriteLine(QStringLiteral("</TR>"));
    }
}

void WriteInspectionTable(THTMLWriter& w, const ReportContext& c, const std::vector<ReportPart>& parts,
                          const PartStatusExportOptions& o) {
    using namespace part_col;
    Cells cells{w, c};
    w.WriteLine(QStringLiteral("<TR>"));
    for (const char* title : {"Location", N_("Storage"), "Part No.", "Id", "Name", "Qty"})
        cells.Header(QString::fromLatin1(title));
    if (o.showSuppliers) cells.Header(QStringLiteral("Supplier"));
    for (const char* title : {"Group", "Inspection tasks", N_("Signature")})
        cells.Header(QString::fromLatin1(title));
    for (const ReportPart& part : parts) {
        const QStringList& f = part.fields;
        w.WriteLine(QStringLiteral("<TR>"));
        for (int column : {Location, Storage, PartNo, Id, Name})
            cells.Cell(f[column], "top");
        cells.Cell(f[Qty], "top", true);
        if (o.showSuppliers) cells.Cell(f[Supplier], "top");
        cells.Cell(f[kGroupField], "top");
        w.WriteLine(QStringLiteral("<TD BGCOLOR=\"%1\" VALIGN=\"bottom\">").arg(w.ContentColor));
        if (part.replace) {
            w.WriteLine(QStringLiteral("<B>"));
            w.WriteText(ReportText(c, Translate("Replace this part!")));
            w.WriteLine(QStringLiteral("</b>"));
        } else {
            for (const QString& task : CommaTextSplit(f[Tasks])) {
                w.WriteText(ReportText(c, task));
                w.WriteLine(QStringLiteral("<BR>"));
            }
        }
        w.WriteLine(QStringLiteral("</TD>"));
        cells.Cell(QStringLiteral(" "));
    }
}

} // namespace

Expected<QString, QString> WritePartStatusReport(const ReportContext& context,
                                                 const std::vector<ReportPart>& parts,
                                                 const PartStatusExportOptions& options) {
    const bool inspection = options.type == PartReportType::Inspection;
    const QString logo = CopyReportLogo(context);
    const QString path = QDir(context.exportFolder).filePath(PartReportFileName(options.type));
    THTMLWriter w;
    OpenReportDocument(w, context, path,
                       QStringLiteral("Vorlapa ") +
                           Translate(inspection ? "Inspection Report" : N_("Part Status Report")));
    WriteReportTitleTable(w, context, logo, Translate(inspection ? "Inspection report" : "Part Status"), [&] {
        w.WriteLine(QStringLiteral("<BR>"));
        if (!inspection)
            w.WriteHeading(ReportText(context, Translate("Sort order") + QStringLiteral(": ") +
                                                   options.firstSort + u' ' + Translate("and") + u' ' +
                                                   options.secondSort));
    });
    w.BeginFrame(QStringLiteral("90%"));
    if (inspection)
        WriteInspectionTable(w, context, parts, options);
    else
        WriteNormalTable(w, context, parts, options);
    w.EndFrame();
    w.WriteLine(QStringLiteral("<BR><BR><BR>"));
    w.WriteFooter(ReportText(context, context.caption));
    w.WriteDocumentEnd();
    if (auto closed = w.Close(); !closed) return Unexpected(closed.error());
    return path;
}
