// vorlapa-cli import SOURCE FILE [--splits N] [--session ID]...
// Reads a lap timer's or data logger's file as "Import lap times" does and prints the grid the dialog then
// holds: its header, then one line per row up to the last filled one (row number and cells), TAB-separated.
// UltraLap files import the sessions named with --session (all of them when none is named).
// vorlapa-cli session enter FILE.ses --driver N --start "YYYY-MM-DD HH:MM:SS" [--splits N] [--pit TIME]
//     [--from SOURCE:LOGFILE] [CELL...]
// vorlapa-cli serial read PORT [--seconds S] [--splits N]
// Opens PORT as the "Serial Download" window does, prints each line received within S seconds (10 by
// default), then the lap grid the T200 record reader makes of them.
// Replaces driver N's run in the session file as the dialog's OK does: the cells (in reading order, after
// what --from imported), the pit time and the start; the part-status stamp is cleared.
#include "command_registry.h"
#include "services/auto_answer_prompter.h"

#include "lapentry/lap_entry_model.h"
#include "lapentry/serial_download.h"
#include "session/session_fields.h"
#include "session/session_file.h"
#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "timing/live_timing_model.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTimer>

namespace {

const QString kImportUsage = QStringLiteral("import SOURCE FILE [--splits N] [--session ID]...  (SOURCE: "
                                            "aim, aim-la, alfano, pi, t200, ultralap, motec, "
                                            "2d, bullet, aim-csv, motec-csv)");
// A function, not a constant: cmd_session.cpp builds its usage from it during static initialisation.
QString EnterUsage() {
    return QStringLiteral("session enter FILE.ses --driver N --start \"YYYY-MM-DD HH:MM:SS\" [--splits N] "
                          "[--pit TIME] [--from SOURCE:LOGFILE] [CELL...]");
}

class FixedClock : public Clock {
  public:
    double day = DayNumberFromDateTime(QDateTime::currentDateTime());
    std::uint32_t TickMs() override { return 0; }
    double NowDayNumber() override { return day; }
};

class QuietBeeper : public Beeper {
  public:
    void Beep() override {}
};

// The entry dialog over a live timing of its own, messages on stderr.
struct Entry {
    bool failed = false;
    AutoAnswerPrompter prompter{[this](const QString& message) {
        failed = true;
        cli::PrintError(message);
    }};
    FixedClock clock;
    QuietBeeper beeper;
    LiveTimingModel live{clock, beeper, prompter};
    LapEntryModel model{live, prompter, clock};
};

// The grid as the dialog shows it: the header, then the rows up to the last filled one.
void PrintGrid(const LapEntryModel& model) {
    cli::PrintLine(model.Grid().Headers().join(u'\t'));
    const std::vector<QStringList> rows = model.SegmentRows();
    for (size_t row = 0; row < rows.size(); ++row)
        cli::PrintLine(QString::number(row + 1) + u'\t' + rows[row].join(u'\t'));
}

std::optional<int> SplitsOption(QStringList& args) {
    const auto text = cli::TakeOption(args, QStringLiteral("--splits"));
    if (!text) return -1; // not given
    const auto splits = ParseInteger(*text);
    if (!splits || *splits < 0 || *splits > 3) return std::nullopt;
    return splits;
}

QStringList TakeAll(QStringList& args, const QString& name) {
    QStringList values;
    while (const auto value = cli::TakeOption(args, name))
        values.append(*value);
    return values;
}

// Runs the source's reader on the file into the entry grid; false (message shown) on failure.
bool ImportInto(Entry& entry, const QString& code, const QString& path, QStringList ids) {
    const auto source = LapSourceOfCode(code);
    if (!source) {
        cli::PrintError(QStringLiteral("Unknown source: ") + code);
        return false;
    }
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        cli::PrintError(bytes.error());
        return false;
    }
    const QStringList lines = FileLines(*bytes);
    if (source->source == LapSource::Ultralap && ids.isEmpty())
        for (const UltralapSession& session : UltralapSessions(lines))
            ids.append(session.id);
    entry.model.TakeImport(
        ReadLapSource(source->source, lines, entry.model.Splits(), QFileInfo(path).fileName(), ids));
    return !entry.failed;
}

int Import(QStringList args) {
    const auto splits = SplitsOption(args);
    const QStringList ids = TakeAll(args, QStringLiteral("--session"));
    const auto operands = cli::Operands(args);
    if (!splits || !operands || operands->size() != 2) return cli::UsageError(kImportUsage);
    Entry entry;
    entry.model.PrepareFromMenu();
    if (*splits >= 0) entry.model.SetSplits(*splits);
    if (!ImportInto(entry, operands->at(0), operands->at(1), ids)) return 1;
    PrintGrid(entry.model);
    return 0;
}

// The file's lines with the "lap_times" section replaced and the part-status stamp dropped.
QStringList SpliceLapTimes(const QStringList& lines, const LapData& data) {
    TTxtParser writer;
    writer.OpenWrite(QString());
    WriteLapData(data, writer);
    QStringList section = SplitLines(writer.WrittenText());
    while (!section.isEmpty() && !section.first().startsWith(u'[')) // the writer's header line
        section.removeFirst();

    QStringList out;
    const QString header = u'[' + SessionKeys::LapTimes + u']';
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.startsWith(QStringLiteral("part_status_updated="))) continue;
        if (!replaced && line.trimmed().compare(header, Qt::CaseInsensitive) == 0) {
            out += section;
            replaced = true;
            while (i + 1 < lines.size() && !lines.at(i + 1).trimmed().startsWith(u'['))
                ++i;
            continue;
        }
        out.append(line);
    }
    if (!replaced) out += section;
    return out;
}

int Enter(QStringList args) {
    const auto driverText = cli::TakeOption(args, QStringLiteral("--driver"));
    const auto startText = cli::TakeOption(args, QStringLiteral("--start"));
    const auto splits = SplitsOption(args);
    const auto pit = cli::TakeOption(args, QStringLiteral("--pit"));
    const auto from = cli::TakeOption(args, QStringLiteral("--from"));
    const auto operands = cli::Operands(args);
    const int slot = driverText ? ParseInteger(*driverText).value_or(0) : 0;
    const QDateTime start =
        startText ? QDateTime::fromString(*startText, QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QDateTime();
    if (!splits || !operands || operands->isEmpty() || slot < 1 || slot > 4 || !start.isValid())
        return cli::UsageError(EnterUsage());
    const QString path = operands->first();
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        cli::PrintError(bytes.error());
        return 1;
    }
    bool failed = false;
    TTxtParser reader([&failed](const QString& message) {
        failed = true;
        cli::PrintError(message);
    });
    reader.OpenReadText(DecodeFileText(*bytes));
    if (failed) return 1;
    const LapData stored = ReadLapData(reader);
    reader.Close();

    Entry entry;
    if (const auto loaded = entry.live.LoadLapData(stored); !loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    entry.model.PrepareEnterManually(slot);
    if (*splits >= 0) entry.model.SetSplits(*splits);
    if (from) {
        const qsizetype colon = from->indexOf(u':');
        if (colon <= 0) return cli::UsageError(EnterUsage());
        if (!ImportInto(entry, from->left(colon), from->mid(colon + 1), {})) return 1;
    }
    // The cells continue after the imported rows.
    const int perRow = entry.model.Splits() + 1;
    const int first = int(entry.model.SegmentRows().size()) * perRow;
    const QStringList cells = operands->mid(1);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int index = first + int(i);
        entry.model.SetCell(index / perRow + 1, index % perRow + 1, cells.at(i));
    }
    entry.model.SetPitText(pit.value_or(QString()));
    entry.model.SetStartDay(DayNumberFromDateTime(start));

    const auto laps = EnteredLapsOf(entry.model.SegmentRows(), entry.model.PitText(), entry.model.StartDay(),
                                    entry.model.Splits());
    if (!laps) {
        cli::PrintError(laps.error());
        return 1;
    }
    if (const auto applied = entry.live.ApplyEnteredLaps(slot, *laps); !applied) {
        if (!applied.error().isEmpty()) cli::PrintError(applied.error());
        return 1;
    }
    LapData data = entry.live.CurrentLapData();
    // Names the file did not hold stay unwritten, as they were.
    for (size_t i = 0; i < data.slots.size(); ++i)
        if (stored.slots[i].name.isEmpty()) data.slots[i].name.clear();
    const QStringList lines = SpliceLapTimes(SplitLines(DecodeFileText(*bytes)), data);
    if (const auto written =
            WriteFileAtomically(path, EncodeFileText(lines.join(QStringLiteral("\r\n")) + "\r\n"));
        !written) {
        cli::PrintError(written.error());
        return 1;
    }
    return 0;
}

const QString kSerialUsage = QStringLiteral("serial read PORT [--seconds S] [--splits N]");

int SerialRead(QStringList args) {
    const auto secondsText = cli::TakeOption(args, QStringLiteral("--seconds"));
    const auto splits = SplitsOption(args);
    const auto operands = cli::Operands(args);
    bool ok = true;
    const double seconds = secondsText ? secondsText->toDouble(&ok) : 10.0;
    if (!ok || seconds <= 0 || seconds > 86400 || !splits || !operands || operands->size() != 1)
        return cli::UsageError(kSerialUsage);
    SerialDownload download;
    if (!download.Open(operands->first())) {
        cli::PrintError(download.ErrorText());
        return 1;
    }
    Connections connections;
    connections += download.linesReceived.Connect([](const QStringList& lines) {
        for (const QString& line : lines)
            cli::PrintLine(line);
    });
    QTimer::singleShot(int(seconds * 1000), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    download.Close();

    Entry entry;
    entry.model.PrepareFromMenu();
    if (*splits >= 0) entry.model.SetSplits(*splits);
    entry.model.TakeImport(
        ReadT200Records(download.Assembler().Lines(), entry.model.Splits(), T200Origin::Serial));
    if (entry.failed) return 1;
    PrintGrid(entry.model);
    return 0;
}

const cli::Registrar serialRegistrar(QStringLiteral("serial"), kSerialUsage, [](const QStringList& args) {
    if (!args.isEmpty() && args.first() == QLatin1String("read")) return SerialRead(args.mid(1));
    return cli::UsageError(kSerialUsage);
});

const cli::Registrar importRegistrar(QStringLiteral("import"), kImportUsage,
                                     [](const QStringList& args) { return Import(args); });

} // namespace

namespace cli {
QString SessionEnterUsage() {
    return EnterUsage();
}
int SessionEnter(const QStringList& args) {
    return Enter(args);
}
} // namespace cli
