#include "session_statistics.h"

#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "timing/lap_timer.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

qint32 AverageOf(const std::vector<qint32>& laps) {
    qint64 sum = 0;
    for (const qint32 lap : laps)
        sum += lap;
    return qint32(RoundHalfEven(double(sum) / double(laps.size())));
}

} // namespace

void TSession::Clear() {
    FileName.clear();
    SessionType.clear();
    StartTime = StopTime = 0;
    BestLap = 0;
    Competitors.clear();
    CompetitorsBestLap.clear();
    BestCompetitorName.clear();
    Position.clear();
    Laps.clear();
}

void TSession::AddLap(qint32 ms) {
    Laps.push_back(ms);
    if (BestLap == 0 || ms < BestLap) BestLap = ms;
}

qint32 TSession::LapTime(int lap) const {
    if (lap < 1 || lap > LapCount()) return -1;
    return Laps[std::size_t(lap - 1)];
}

qint32 TSession::AverageLap() const {
    return Laps.empty() ? -1 : AverageOf(Laps);
}

void TTrackStatistics::Clear() {
    FirstStart = LastStop = 0;
    Sessions.clear();
    Laps.clear();
    TotalTime = 0;
}

void TTrackStatistics::AddSession(const QString& fileName, const QString& sessionType,
                                  const QString& position, const QString& bestCompetitorName,
                                  const QString& competitorsBestLap, const QString& competitors, double stop,
                                  double start) {
    if (start > 0 && stop > 0 && stop >= start) {
        TotalTime += stop - start;
        if (FirstStart == 0 || start < FirstStart) FirstStart = start;
        if (LastStop == 0 || stop > LastStop) LastStop = stop;
    }
    TSession session;
    session.FileName = fileName;
    session.SessionType = sessionType;
    session.Position = position;
    session.BestCompetitorName = bestCompetitorName;
    session.CompetitorsBestLap = competitorsBestLap;
    session.Competitors = competitors;
    session.StartTime = start;
    session.StopTime = stop;
    Sessions.push_back(std::move(session));
}

void TTrackStatistics::AddLap(qint32 ms) {
    Laps.push_back(ms);
    if (!Sessions.empty()) Sessions.back().AddLap(ms);
}

qint32 TTrackStatistics::BestLap() const {
    if (Laps.empty()) return -1;
    return *std::min_element(Laps.begin(), Laps.end());
}

qint32 TTrackStatistics::AverageLap() const {
    return Laps.empty() ? 0 : AverageOf(Laps);
}

int TSessionStatistics::IndexOfTrack(const QString& name) const {
    for (int i = 0; i < TrackCount(); ++i)
        if (Tracks[std::size_t(i)].TrackName == name) return i;
    return -1;
}

int TSessionStatistics::AddTrack(const QString& name) {
    TTrackStatistics track;
    track.TrackName = name;
    Tracks.push_back(std::move(track));
    return TrackCount() - 1;
}

void TSessionStatistics::AddRecord(const SessionStatisticsRecord& record) {
    int index = IndexOfTrack(record.track);
    if (index < 0) index = AddTrack(record.track);
    TTrackStatistics& track = Tracks[std::size_t(index)];
    track.AddSession(record.fileName, record.sessionType, record.position, record.bestCompetitorName,
                     record.competitorsBestLap, record.competitors, record.stopTime, record.startTime);
    for (const qint32 lap : record.laps)
        track.AddLap(lap);
}

std::optional<QString> TSessionStatistics::AddSessionFile(const QString& fileName) {
    QString error;
    const auto record = ReadStatisticsRecord(fileName, DriverIndex, &error);
    if (!record) return error;
    AddRecord(*record);
    return std::nullopt;
}

std::optional<SessionStatisticsRecord> ReadStatisticsRecord(const QString& fileName, int driverIndex,
                                                            QString* error) {
    QString readError;
    TTxtParser reader([&readError](const QString& message) {
        if (readError.isEmpty()) readError = message;
    });
    const auto fail = [&](const QString& why) {
        if (error) *error = Fill(Translate("Cannot read %s"), fileName) + QStringLiteral(": ") + why;
        return std::nullopt;
    };
    if (!QFileInfo(fileName).isFile()) return fail(Translate("File not found"));
    reader.OpenRead(fileName);
    if (!reader.IsOpen()) return fail(readError);
    const int driver = std::clamp(driverIndex, 1, 4);
    const QString prefix = QStringLiteral("driver") + QString::number(driver);
    const QString laps = QStringLiteral("lap_times"), conditions = QStringLiteral("conditions");
    SessionStatisticsRecord record;
    record.fileName = fileName;
    record.track = reader.ReadValue(conditions, QStringLiteral("track"));
    record.startTime =
        ParseDecimal(reader.ReadValue(laps, prefix + QStringLiteral("_start_time"))).value_or(0);
    record.stopTime = ParseDecimal(reader.ReadValue(laps, prefix + QStringLiteral("_stop_time"))).value_or(0);
    if (!std::isfinite(record.startTime)) record.startTime = 0;
    if (!std::isfinite(record.stopTime)) record.stopTime = 0;
    record.sessionType = reader.ReadValue(conditions, QStringLiteral("session_type"));
    if (driver == 1) record.position = reader.ReadValue(conditions, QStringLiteral("position"));
    record.competitors = reader.ReadValue(conditions, QStringLiteral("competitors"));
    record.competitorsBestLap = reader.ReadValue(conditions, QStringLiteral("competitors_best_lap"));
    record.bestCompetitorName = reader.ReadValue(conditions, QStringLiteral("best_competitor_name"));
    TLapTimer timer;
    timer.SetSplits(ParseInteger(reader.ReadValue(laps, QStringLiteral("splits_per_lap"))).value_or(0));
    const auto loaded = timer.LoadFromText(reader.ReadValue(laps, prefix + QStringLiteral("_split_times")));
    reader.Close();
    if (!readError.isEmpty()) return fail(readError);
    if (!loaded) return fail(loaded.error());
    for (int lap = 1; lap <= timer.LapCount(); ++lap) {
        const qint32 t = timer.LapTime(lap);
        if (t < 0) break; // an incomplete lap ends the complete ones
        record.laps.push_back(t);
    }
    return record;
}

void AddRecordsByTrack(TSessionStatistics& statistics, std::vector<SessionStatisticsRecord> records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const SessionStatisticsRecord& a, const SessionStatisticsRecord& b) {
                         return QString::localeAwareCompare(a.track, b.track) < 0;
                     });
    for (const SessionStatisticsRecord& record : records)
        statistics.AddRecord(record);
}

QString TotalTimeText(double days) {
    const qint64 ms = qint64(std::llround(days * 86400000.0));
    if (ms <= 0) return QString();
    if (ms < 86400000) return LapTimeText(qint32(ms));
    const auto two = [](qint64 v) { return QString::number(v).rightJustified(2, u'0'); };
    return QString::number(ms / 3600000) + u':' + two(ms / 60000 % 60) + u':' + two(ms / 1000 % 60);
}

LapStatistics ComputeLapStatistics(const TLapTimer& timer) {
    LapStatistics result;
    result.laps = timer.LapCount();
    std::vector<qint32> complete;
    for (int lap = 1; lap <= result.laps; ++lap) {
        const qint32 t = timer.LapTime(lap);
        if (t >= 0) complete.push_back(t);
    }
    result.completeLaps = int(complete.size());
    if (!complete.empty()) {
        result.best = *std::min_element(complete.begin(), complete.end());
        result.mean = AverageOf(complete);
        std::vector<qint32> sorted = complete;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t middle = sorted.size() / 2;
        result.median =
            sorted.size() % 2 == 1
                ? sorted[middle]
                : qint32(RoundHalfEven((double(sorted[middle - 1]) + double(sorted[middle])) / 2.0));
        if (complete.size() > 1) {
            double mean = 0;
            for (const qint32 t : complete)
                mean += double(t);
            mean /= double(complete.size());
            double squares = 0;
            for (const qint32 t : complete)
                squares += (double(t) - mean) * (double(t) - mean);
            result.deviation = qint32(RoundHalfEven(std::sqrt(squares / double(complete.size() - 1))));
        }
    }
    if (timer.Splits() > 0) {
        const int perLap = timer.Splits() + 1;
        result.bestSegments.assign(std::size_t(perLap), 0);
        for (int index = 1; index <= timer.RecordedCount(); ++index) {
            qint32& best = result.bestSegments[std::size_t((index - 1) % perLap)];
            const qint32 t = timer.Time(index);
            if (t > 0 && (best == 0 || t < best)) best = t;
        }
        for (const qint32 t : result.bestSegments)
            result.theoreticalBest += t;
    }
    return result;
}
