// vorlapa-cli schedule list [--data-dir DIR]: the events of schedule.ini in the page's order (the file's),
// TAB-separated with a header line, then "Next" and the position (1 = the first event listed) of the event
// the page scrolls to: the first dated today or later; empty when there is none or a date cannot be read.
#include "command_registry.h"
#include "data_folder_option.h"

#include "storage/date_time.h"
#include "storage/translate.h"
#include "workshop/schedule.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral("schedule list [--data-dir DIR]");

int ScheduleCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty() || args.takeFirst() != u"list") return cli::UsageError(kUsage);
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kUsage);
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return 1;
    }
    const auto loaded = LoadSchedule(dataDir);
    if (!loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    cli::PrintLine(EventColumnCaptions().join(u'\t'));
    for (int row = 0; row < loaded->events.RowCount(); ++row) {
        QStringList fields = loaded->events.Row(row).mid(0, kEventColumnCount);
        for (QString& field : fields)
            field.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        cli::PrintLine(fields.join(u'\t'));
    }
    const auto next =
        NextEventRow(loaded->events, DateText(DayNumberFromDateTime(QDateTime::currentDateTime())));
    cli::PrintLine(Translate("Next") + u'\t' + (next ? QString::number(*next + 1) : QString()));
    return 0;
}

const cli::Registrar registrar(QStringLiteral("schedule"), kUsage, ScheduleCommand);

} // namespace
