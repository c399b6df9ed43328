#pragma once
// Statistics of archived sessions per track: period, sessions, complete laps, time on track, best and
// average lap, and each session with its laps. The stores grow as needed: a season may hold any number
// of sessions, laps and tracks.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One session of one driver.
class TSession {
  public:
    QString FileName; // full path of the session file
    QString SessionType;
    double StartTime = 0; // day numbers; 0 when not set
    double StopTime = 0;
    qint32 BestLap = 0; // 0 while there is no lap
    QString Competitors, CompetitorsBestLap, BestCompetitorName, Position;
    std::vector<qint32> Laps; // complete laps in order

    void Clear();
    void AddLap(qint32 ms);
    int LapCount() const { return int(Laps.size()); }
    qint32 LapTime(int lap) const; // 1-based; -1 outside 1..LapCount
    qint32 AverageLap() const;     // half to even; -1 without laps
};

// What one session file contributes, read once.
struct SessionStatisticsRecord {
    QString fileName;
    QString track;
    QString sessionType;
    double startTime = 0, stopTime = 0;
    QString competitors, competitorsBestLap, bestCompetitorName, position;
    std::vector<qint32> laps; // the complete laps, up to the first incomplete one
};

class TTrackStatistics {
  public:
    QString TrackName;
    double FirstStart = 0; // 0 until a session with a start time
    double LastStop = 0;
    std::vector<TSession> Sessions;
    std::vector<qint32> Laps;
    double TotalTime = 0; // days; only sessions with both times and stop >= start count

    void Clear();
    // Times count only when both are set and the stop is not before the start: a session saved while
    // running (no stop) or without a start adds nothing to the period or the time on track.
    void AddSession(const QString& fileName, const QString& sessionType, const QString& position,
                    const QString& bestCompetitorName, const QString& competitorsBestLap,
                    const QString& competitors, double stop, double start);
    void AddLap(qint32 ms);    // to the track and to the last added session
    qint32 BestLap() const;    // -1 without laps
    qint32 AverageLap() const; // half to even; 0 without laps
    int LapCount() const { return int(Laps.size()); }
    int SessionCount() const { return int(Sessions.size()); }
};

class TSessionStatistics {
  public:
    std::vector<TTrackStatistics> Tracks;
    int DriverIndex = 1; // 1..4: whose keys are read

    void Clear() { Tracks.clear(); }
    int TrackCount() const { return int(Tracks.size()); }
    int IndexOfTrack(const QString& name) const; // exact; -1 when absent
    int AddTrack(const QString& name);
    void AddRecord(const SessionStatisticsRecord& record);
    // Reads the file and adds it; the error when it cannot be read or its lap data are corrupt (nothing
    // is added then).
    std::optional<QString> AddSessionFile(const QString& fileName);
};

// Reads the driver's figures of one session file; std::nullopt with the error in *error when the file
// cannot be read or its lap data are corrupt.
std::optional<SessionStatisticsRecord> ReadStatisticsRecord(const QString& fileName, int driverIndex,
                                                            QString* error);

// Adds the records sorted by track name (stable: files of one track keep their order).
void AddRecordsByTrack(TSessionStatistics& statistics, std::vector<SessionStatisticsRecord> records);

// A total time on track in days as "hh:nn:ss", with whole hours that do not wrap at 24 ("30:00:00");
// under a day, the lap time form.
QString TotalTimeText(double days);

class TLapTimer;
// The figures of one driver's laps: the complete laps only (an unfinished last lap is left out).
struct LapStatistics {
    int laps = 0; // every lap begun, the unfinished one included
    int completeLaps = 0;
    qint32 best = 0;      // 0 without complete laps
    qint32 mean = 0;      // half to even
    qint32 median = 0;    // the middle lap, or the mean of the two middle laps (half to even)
    qint32 deviation = 0; // sample standard deviation in ms (0 with fewer than two laps)
    // With splits: the best time of each segment of a lap (splits + 1 values; 0 for a segment never
    // recorded) and their sum.
    std::vector<qint32> bestSegments;
    qint64 theoreticalBest = 0;
};
LapStatistics ComputeLapStatistics(const TLapTimer& timer);
