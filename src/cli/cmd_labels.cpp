// vorlapa-cli labels --pdf OUT.pdf [--vehicle CODE] [--id ID]... [--history] [--data-dir DIR]
// Prints the tire labels (all tires of the vehicle's list, or those named, in list order) into a PDF
// file with the label layout of the settings file, the history lines with --history. Prints the file.
#include "command_registry.h"
#include "data_folder_option.h"
#include "export_commands.h"

#include "app/settings_file.h"
#include "printing/paint_label_printer.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "workshop/tire_labels.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>

namespace {

const QString kUsage =
    QStringLiteral("labels --pdf OUT.pdf [--vehicle CODE] [--id ID]... [--history] [--data-dir DIR]");

int LabelsCommand(const QStringList& arguments) {
    QStringList args = arguments;
    const auto dataDir = cli::TakeOption(args, QStringLiteral("--data-dir"));
    const auto pdf = cli::TakeOption(args, QStringLiteral("--pdf"));
    const auto vehicle = cli::TakeOption(args, QStringLiteral("--vehicle"));
    QStringList ids;
    while (const auto id = cli::TakeOption(args, QStringLiteral("--id")))
        ids << *id;
    const bool history = cli::TakeFlag(args, QStringLiteral("--history"));
    const auto operands = cli::Operands(args);
    if (!pdf || pdf->isEmpty() || !operands || !operands->isEmpty()) return cli::UsageError(kUsage);
    const QString dataFolder = cli::DataFolder(dataDir);
    if (!QFileInfo(dataFolder).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataFolder));
        return 1;
    }
    bool failed = false;
    const ProgramSettings settings =
        cli::LoadDataFolderSettings(dataFolder, [&failed](const QString& message) {
            cli::PrintError(message);
            failed = true;
        });
    if (failed) return 1;
    const auto chosen = cli::LoadChosenTires(dataFolder, settings, vehicle, ids);
    if (!chosen) return 1;

    LabelLayout layout;
    layout.millimetres = settings.systemUnit != QLatin1String("US Standard") &&
                         settings.systemUnit != QLatin1String("Imperial Standard");
    layout.labelWidth = settings.labelWidthMm;
    layout.labelHeight = settings.labelHeightMm;
    layout.leftIndent = settings.labelIndentLeft;
    layout.topIndent = settings.labelIndentTop;
    layout.columns = settings.labelColumns;
    layout.fontName = settings.labelFontName;
    layout.fontSize = settings.labelFontSize;
    if (const auto problem = CheckLabelLayout(layout)) {
        cli::PrintError(*problem);
        return 1;
    }
    const bool miles = !layout.millimetres;
    const QString path = QFileInfo(*pdf).absoluteFilePath();
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        PaintLabelPrinter printer(writer);
        TPrtLabels labels(printer);
        if (!labels.BeginJob(layout)) {
            cli::PrintError(Fill(Translate("Cannot write %s"), path));
            return 1;
        }
        for (const TireRecord& tire : chosen->tires) {
            QStringList lines = TireLabelFront(tire, chosen->vehicle, miles);
            if (history) lines << TireLabelHistory(tire);
            labels.AddLabel(lines);
        }
        labels.EndJob();
    }
    if (QFileInfo(path).size() <= 0) {
        cli::PrintError(Fill(Translate("Cannot write %s"), path));
        return 1;
    }
    cli::PrintLine(path);
    return 0;
}

const cli::Registrar registrar(QStringLiteral("labels"), kUsage, LabelsCommand);

} // namespace
