#pragma once
// One driver's timed run: a flat sequence of segment times in milliseconds. With split timing a lap is
// Splits + 1 consecutive segments. Every lap figure shown anywhere is derived from this sequence.
#include "services/services.h"
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class TLapTimer {
  public:
    static constexpr int kCapacity = 1000; // recorded segment times in total
    static constexpr int kMinPressGapMs = 3000;

    // The clock and beeper are only needed by Mark and RestartMark; a timer that only evaluates stored
    // lap data may pass none.
    explicit TLapTimer(Clock* clock = nullptr, Beeper* beeper = nullptr);

    void Clear();
    void SetSplits(int splits);          // clamped to 0..3
    void SetPercentForMean(int percent); // clamped to 0..100
    int Splits() const { return m_splits; }
    int PercentForMean() const { return m_percentForMean; }

    // A stopwatch press. The first press starts the run and records nothing. A press within 3000 ms of
    // the last accepted one (3000 included), or one beyond the capacity, beeps and changes nothing.
    bool Mark();
    void RestartMark(); // the next segment is timed from now (pit exit)
    void Undo();
    bool Add(qint32 ms); // false (with a beep) when the store is full
    // Appends the comma-separated integers of text. More times than fit: refused as a whole with a beep.
    // A piece that is no integer ends the load with an error; the times before it stay.
    Expected<void, QString> LoadFromText(const QString& text);
    QString SaveToText() const;

    int Count() const { return m_count; }
    int RecordedCount() const { return m_count > 0 ? m_count - 1 : 0; }
    qint32 Time(int index) const; // 1-based recorded time, 0 outside
    int LapCount() const;
    QStringList LapRow(int lap) const;
    qint32 LapTime(int lap) const;
    qint32 BestLap(int* lapNumber = nullptr) const;
    QString BestLapText() const;
    qint32 MeanOfBest() const;
    QString MeanOfBestText() const;
    std::uint32_t GetLastMark() const { return m_lastMark; }

  private:
    void Refuse();
    std::uint32_t Now() const;

    Clock* m_clock;
    Beeper* m_beeper;
    int m_count = 0;
    int m_splits = 0;
    int m_percentForMean = 100;
    std::uint32_t m_lastMark = 0;
    std::array<qint32, kCapacity + 1> m_times{}; // index 1..kCapacity
};
