#include "schedule.h"

#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QFileInfo>

QStringList EventColumnCaptions() {
    QStringList captions;
    for (const char* caption : {"Date", "Track", "Type", "Class", "Name", "Comments"})
        captions << Translate(caption);
    return captions;
}

QString ScheduleFileName() {
    return QStringLiteral("schedule.ini");
}

QString ToDoFileName() {
    return QStringLiteral("todo.txt");
}

namespace {

const QString kSection = QStringLiteral("schedule");
const ListBlock kBlock{QStringLiteral("event_list"), QStringLiteral("event_list_begin"),
                       QStringLiteral("event_list_end")};
const char* const kColumnKeys[3] = {"sort_column", "sort_column2", "sort_column3"};
const char* const kDescendingKeys[3] = {"sort_descending", "sort_descending2", "sort_descending3"};

Schedule ReadSchedule(TTxtParser& reader) {
    Schedule schedule;
    for (int k = 0; k < 3; ++k) {
        const auto column = ParseInteger(reader.ReadValue(kSection, QLatin1String(kColumnKeys[k])));
        // A column outside the table would index past its fields; the first key always holds a column.
        const int lowest = k == 0 ? 0 : -1;
        const bool valid = column && *column >= lowest && *column < kEventColumnCount;
        schedule.sortKeys[k].column = valid ? *column : (k == 0 ? 0 : -1);
        schedule.sortKeys[k].descending =
            !reader.ReadValue(kSection, QLatin1String(kDescendingKeys[k])).isEmpty();
    }
    schedule.events.Load(reader, kSection, kBlock);
    return schedule;
}

void WriteSchedule(TTxtParser& writer, const Schedule& schedule) {
    writer.WriteSection(kSection);
    for (int k = 0; k < 3; ++k) {
        writer.WriteValue(QLatin1String(kColumnKeys[k]), QString::number(schedule.sortKeys[k].column));
        if (schedule.sortKeys[k].descending)
            writer.WriteValue(QLatin1String(kDescendingKeys[k]), QStringLiteral("true"));
    }
    schedule.events.Save(writer, kBlock);
}

} // namespace

Schedule ParseSchedule(const QString& text) {
    TTxtParser reader;
    reader.OpenReadText(text);
    return ReadSchedule(reader);
}

QString ScheduleText(const Schedule& schedule) {
    TTxtParser writer;
    writer.OpenWrite(QString());
    WriteSchedule(writer, schedule);
    return writer.WrittenText();
}

Expected<Schedule, QString> LoadSchedule(const QString& dataDir) {
    const QString path = QDir(dataDir).filePath(ScheduleFileName());
    if (!QFileInfo::exists(path)) return Schedule{};
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return Unexpected(bytes.error());
    return ParseSchedule(DecodeFileText(*bytes));
}

Expected<void, QString> SaveSchedule(const QString& dataDir, const Schedule& schedule) {
    TTxtParser writer;
    writer.OpenWrite(QDir(dataDir).filePath(ScheduleFileName()));
    WriteSchedule(writer, schedule);
    return writer.Close();
}

std::optional<int> NextEventRow(const TextTable& events, const QString& today) {
    for (int row = 0; row < events.RowCount(); ++row) {
        const QString date = events.Field(row, event_col::Date).trimmed();
        if (!IsDateText(date)) return std::nullopt;
        if (date >= today) return row; // "yyyy-mm-dd" orders as text
    }
    return std::nullopt;
}

std::optional<QStringList> NewEvent(const QStringList& fields) {
    QStringList event;
    for (int column = 0; column < kEventColumnCount; ++column)
        event << fields.value(column);
    for (int column : {event_col::Type, event_col::Class, event_col::Name, event_col::Comments})
        if (!event[column].isEmpty()) return event;
    return std::nullopt;
}

Expected<QString, QString> LoadToDo(const QString& dataDir) {
    const QString path = QDir(dataDir).filePath(ToDoFileName());
    if (!QFileInfo::exists(path)) return QString();
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return Unexpected(bytes.error());
    return SplitLines(DecodeFileText(*bytes)).join(u'\n');
}

Expected<void, QString> SaveToDo(const QString& dataDir, const QString& text) {
    QString written;
    for (const QString& line : SplitLines(text))
        written += line + QStringLiteral("\r\n");
    return WriteFileAtomically(QDir(dataDir).filePath(ToDoFileName()), EncodeFileText(written));
}
