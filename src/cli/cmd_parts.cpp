// vorlapa-cli parts list [--data-dir DIR] [--group NAME]: the part status as the page's grids show it,
// TAB-separated: a header line (Group, then the 32 column captions), then each group's parts in tab order.
// vorlapa-cli parts normalize [--data-dir DIR]: reads partstatus.ini (upgrading older rows) and writes it
// back in the current version; a file of a newer version is refused and left as it is.
// vorlapa-cli parts update [--data-dir DIR] --group NAME [--hours H] [--minutes M] [--mileage D]
//     [--starts N] [--sessions N] [--comment TEXT] [--reset]
// vorlapa-cli parts update-from-session FILE.ses --group NAME... [--data-dir DIR] [--starts N]
//     [--comment TEXT] [--again]
// Age the parts of groups (the second with driver 1's running time and distance of a session, counting
// one session, and stamps the session file so that it is not counted twice) and write partstatus.ini.
// Each alert prints its title and message ("Group Engine: Hour limit exceeded for") and a line per part
// (Part No., Qty, Name, TAB-separated); then the log lines written.
#include "command_registry.h"
#include "data_folder_option.h"
#include "file_operand.h"
#include "stderr_prompter.h"

#include "app/settings_file.h"
#include "app/unit_captions.h"
#include "session/session_fields.h"
#include "session/session_file.h"
#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "timing/lap_timer.h"
#include "tracks/track_list.h"
#include "workshop/part_counter_update.h"
#include "workshop/part_status_data.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kListUsage = QStringLiteral("parts list|normalize [--data-dir DIR] [--group NAME]");
const QString kUpdateUsage = QStringLiteral(
    "parts update [--data-dir DIR] --group NAME [--hours H] [--minutes M] [--mileage D] [--starts N] "
    "[--sessions N] [--comment TEXT] [--reset]");
const QString kSessionUsage =
    QStringLiteral("parts update-from-session FILE.ses --group NAME... [--data-dir DIR] "
                   "[--starts N] [--comment TEXT] [--again]");
const QString kUsage =
    kListUsage + QStringLiteral("\n       ") + kUpdateUsage + QStringLiteral("\n       ") + kSessionUsage;

double Now() {
    return DayNumberFromDateTime(QDateTime::currentDateTime());
}

// The part status of a data folder, or 1 after the message.
std::optional<PartStatusFile> LoadForUpdate(const QString& dataDir) {
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return std::nullopt;
    }
    auto loaded = LoadPartStatusFiles(dataDir);
    if (!loaded) {
        cli::PrintError(loaded.error());
        return std::nullopt;
    }
    if (loaded->tooNew) {
        cli::PrintError(TooNewPartStatusText());
        return std::nullopt;
    }
    return std::move(*loaded);
}

PartGroup* FindGroup(PartStatusFile& file, const QString& name) {
    for (PartGroup& g : file.groups)
        if (g.name == name) return &g;
    return nullptr;
}

// Applies the update to the group: its counters, lastUpdated and the log; prints the alerts.
void UpdateOne(PartStatusFile& file, PartGroup& group, const CounterUpdate& update, double now) {
    const GroupUpdateOutcome outcome = ApplyGroupUpdate(group.name, group, update, DateText(now));
    group.lastUpdated = DateTimeText(now);
    for (const PartAlert& alert : outcome.alerts) {
        cli::PrintLine(AlertTitle(group.name) + QStringLiteral(": ") + alert.message);
        for (const QStringList& row : alert.rows)
            cli::PrintLine(row.join(u'\t'));
    }
    file.log << outcome.logLines;
    for (const QString& line : outcome.logLines)
        cli::PrintLine(line);
}

bool Save(const QString& dataDir, const PartStatusFile& file) {
    if (const auto saved = SavePartStatusFiles(dataDir, file.groups, file.log); !saved) {
        cli::PrintError(saved.error());
        return false;
    }
    return true;
}

std::optional<QString> Checked(QStringList& args, const QString& name, bool integer) {
    const auto text = cli::TakeOption(args, name);
    if (!text || text->trimmed().isEmpty()) return QString();
    if (integer ? !IsIntegerText(text->trimmed()) : !IsDecimalText(text->trimmed())) {
        cli::PrintError(Translate(integer ? "Bad format of value, must be an integer value!"
                                          : "Bad format of value, must be a floating point value!"));
        return std::nullopt;
    }
    return text->trimmed();
}

int Update(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto groupName = cli::TakeOption(args, QStringLiteral("--group"));
    const bool reset = cli::TakeFlag(args, QStringLiteral("--reset"));
    const QString comment = cli::TakeOption(args, QStringLiteral("--comment")).value_or(QString());
    const auto hours = Checked(args, QStringLiteral("--hours"), false);
    const auto minutes = Checked(args, QStringLiteral("--minutes"), false);
    const auto mileage = Checked(args, QStringLiteral("--mileage"), false);
    const auto starts = Checked(args, QStringLiteral("--starts"), true);
    const auto sessions = Checked(args, QStringLiteral("--sessions"), true);
    const auto operands = cli::Operands(args);
    if (!groupName || !operands || !operands->isEmpty()) return cli::UsageError(kUpdateUsage);
    if (!hours || !minutes || !mileage || !starts || !sessions) return 1;
    auto file = LoadForUpdate(dataDir);
    if (!file) return 1;
    PartGroup* group = FindGroup(*file, *groupName);
    if (!group || group->parts.RowCount() == 0) {
        cli::PrintError(
            Fill(Translate(group ? "Part group %s holds no parts" : "No part group %s"), *groupName));
        return 1;
    }
    CounterUpdate update;
    update.reset = reset;
    update.comment = comment;
    update.hours = ParseDecimal(*hours).value_or(0) + ParseDecimal(*minutes).value_or(0) / 60.0;
    update.mileage = ParseDecimal(*mileage).value_or(0);
    update.starts = ParseInteger(*starts).value_or(0);
    update.sessions = ParseInteger(*sessions).value_or(0);
    UpdateOne(*file, *group, update, Now());
    return Save(dataDir, *file) ? 0 : 1;
}

// The session file with "part_status_updated" in [conditions] set to the stamp (replaced or added). Only
// that line changes; the rest of the file keeps its bytes.
QByteArray WithStamp(const QByteArray& bytes, const QByteArray& stampLine) {
    QList<QByteArray> lines = bytes.split('\n');
    int header = -1;
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].trimmed().toLower() == "[conditions]") {
            header = i;
            break;
        }
    if (header < 0) {
        QByteArray out = bytes;
        if (!out.isEmpty() && !out.endsWith('\n')) out += "\r\n";
        return out + "[conditions]\r\n" + stampLine + "\r\n";
    }
    for (int i = header + 1; i < lines.size() && !lines[i].trimmed().startsWith('['); ++i)
        if (lines[i].trimmed().startsWith("part_status_updated=")) {
            lines[i] = stampLine + (lines[i].endsWith('\r') ? "\r" : "");
            return lines.join('\n');
        }
    lines.insert(header + 1, stampLine + (lines[header].endsWith('\r') ? "\r" : ""));
    return lines.join('\n');
}

int UpdateFromSession(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    QStringList groups;
    while (const auto g = cli::TakeOption(args, QStringLiteral("--group")))
        groups << *g;
    const bool again = cli::TakeFlag(args, QStringLiteral("--again"));
    const QString comment = cli::TakeOption(args, QStringLiteral("--comment")).value_or(QString());
    const auto starts = Checked(args, QStringLiteral("--starts"), true);
    const auto operands = cli::Operands(args);
    if (groups.isEmpty() || !operands || operands->size() != 1) return cli::UsageError(kSessionUsage);
    if (!starts) return 1;
    const auto session = cli::ExistingFile(operands->first());
    if (!session) return session.error();
    const QString path = QFileInfo(*session).absoluteFilePath();
    auto file = LoadForUpdate(dataDir);
    if (!file) return 1;
    const QStringList offered = SessionUpdateGroups(file->groups);
    for (const QString& name : groups)
        if (!offered.contains(name)) {
            cli::PrintError(Fill(Translate("No part group %s holding parts outside stock"), name));
            return 1;
        }

    cli::StderrPrompter prompter;
    auto report = [&prompter](const QString& message) { prompter.ShowError(message); };
    const ProgramSettings settings =
        LoadSettingsFile(QDir(dataDir).filePath(QString::fromLatin1(kSettingsFileName)), Now(), report);
    if (prompter.anyError) return 1;
    const DerivedUnits derived = DerivedUnitsOf(settings.systemUnit);
    TTxtParser reader(report);
    reader.OpenRead(path);
    if (prompter.anyError) return 1;
    const SessionRecord record = ReadSessionSections(reader, {});
    reader.Close();
    const SlotLapData& driver1 = record.lapData.slots[0];
    if (StampMatches(record.partStatusStamp, driver1.startTime) && !again) {
        cli::PrintError(Translate("Part status has already been updated for this session (--again counts it "
                                  "once more)"));
        return 1;
    }
    TLapTimer timer;
    timer.SetSplits(ParseInteger(record.lapData.splitsPerLap).value_or(0));
    if (const auto loaded = timer.LoadFromText(driver1.splitTimes); !loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    const TTrackList tracks = LoadTrackListFile(dataDir, {}, report);
    if (prompter.anyError) return 1;
    const int track = tracks.IndexOf(record.Track());
    const SessionUpdateProposal proposal = ProposeSessionUpdate(
        {driver1.startTime, driver1.stopTime, driver1.pitStopTime, timer.LapCount(),
         track < 0 ? QString() : tracks.At(track).info.Length, derived.distance == Unit::Miles});
    SessionDialogValues values;
    values.groups = groups;
    values.hours = proposal.hoursText;
    values.minutes = proposal.minutesText;
    values.distance = proposal.distanceText;
    values.countStarts = !starts->isEmpty();
    values.starts = *starts;
    values.comment = comment;
    const CounterUpdate update = CounterUpdateFromSessionDialog(values);
    const double now = Now();
    for (const QString& name : groups)
        UpdateOne(*file, *FindGroup(*file, name), update, now);
    if (!Save(dataDir, *file)) return 1;

    // The stamp goes into the session file only with a start time to match.
    if (driver1.startTime == 0) return 0;
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        cli::PrintError(bytes.error());
        return 1;
    }
    const QByteArray stampLine = "part_status_updated=" + FormatGeneral(driver1.startTime).toLatin1() + ';';
    if (const auto written = WriteFileAtomically(path, WithStamp(*bytes, stampLine)); !written) {
        cli::PrintError(written.error());
        return 1;
    }
    return 0;
}

int PartsCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) return cli::UsageError(kUsage);
    const QString action = args.takeFirst();
    if (action == u"update") return Update(args);
    if (action == u"update-from-session") return UpdateFromSession(args);
    if (action != u"list" && action != u"normalize") return cli::UsageError(kUsage);
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto group = action == u"list" ? cli::TakeOption(args, QStringLiteral("--group")) : std::nullopt;
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kListUsage);
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return 1;
    }
    const auto loaded = LoadPartStatusFiles(dataDir);
    if (!loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    if (loaded->tooNew) {
        cli::PrintError(TooNewPartStatusText());
        return 1;
    }
    if (action == u"normalize") {
        if (const auto saved = SavePartStatusFiles(dataDir, loaded->groups, loaded->log); !saved) {
            cli::PrintError(saved.error());
            return 1;
        }
        return 0;
    }
    if (group && std::none_of(loaded->groups.begin(), loaded->groups.end(),
                              [&](const PartGroup& g) { return g.name == *group; })) {
        cli::PrintError(Fill(Translate("No part group %s"), *group));
        return 1;
    }
    cli::PrintLine((QStringList{Translate("Group")} + PartColumnCaptions()).join(u'\t'));
    for (const PartGroup& g : loaded->groups) {
        if (group && g.name != *group) continue;
        for (int row = 0; row < g.parts.RowCount(); ++row) {
            QStringList fields = g.parts.Row(row).mid(0, kPartColumnCount);
            // Tabs and line breaks inside a field would break the columns.
            for (QString& field : fields)
                field.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
            cli::PrintLine((QStringList{g.name} + fields).join(u'\t'));
        }
    }
    return 0;
}

const cli::Registrar registrar(QStringLiteral("parts"), kUsage, PartsCommand);

} // namespace
