#pragma once
// The part status report and the inspection report: parts of the chosen groups (and suppliers), the
// inspection criteria, the two sort keys, and the HTML document.
#include "report_context.h"
#include "storage/expected.h"
#include "workshop/part_status_data.h"

#include <QString>
#include <QStringList>
#include <vector>

enum class PartReportType { Normal, Inspection };

// One "less than" criterion of the inspection report: counts when ticked and its value is a number (a
// whole number for starts).
struct InspectionCriterion {
    bool ticked = true;
    QString value = QStringLiteral("0");
};

// The choices of the "Export Part Status" dialog.
struct PartStatusExportOptions {
    PartReportType type = PartReportType::Normal;
    QStringList groups; // ticked, in list order
    bool allSuppliers = true;
    QStringList suppliers; // ticked; count only without allSuppliers
    QString firstSort = QStringLiteral("Location");
    QString secondSort = QStringLiteral("Part No.");
    bool showMileage = true;
    bool showHours = true;
    bool showStarts = true;
    bool showSessions = true;
    bool showPrice = false;
    bool showSuppliers = false;
    InspectionCriterion mileageBelow; // "Mileage less than"
    InspectionCriterion hoursBelow;   // "Hours less than"
    InspectionCriterion startsBelow;  // "Starts less than"
};

// The captions the sort choices offer, in the dialog's order.
QStringList PartReportSortChoices();

// A part kept for the report: its 32 fields and the group name as the 33rd ("In group").
struct ReportPart {
    QStringList fields;
    bool replace = false; // inspection report: a "left" value is below its threshold
};

// The parts of the ticked groups (in the order of `groups`), each group's parts in row order, filtered
// by supplier and, for the inspection report, by the criteria.
std::vector<ReportPart> CollectReportParts(const std::vector<PartGroup>& groups,
                                           const PartStatusExportOptions& options);
// Sorts by the columns whose captions are the two sort choices, both ascending; a choice that is no
// column gives no key, and without a first key the order stays as collected.
void SortReportParts(std::vector<ReportPart>& parts, const QString& firstSort, const QString& secondSort);

// The file of the report type in the export folder: "partstatus.htm" or "inspection.htm".
QString PartReportFileName(PartReportType type);
// Writes the report of the parts (collected and sorted); returns the file written.
Expected<QString, QString> WritePartStatusReport(const ReportContext& context,
                                                 const std::vector<ReportPart>& parts,
                                                 const PartStatusExportOptions& options);
