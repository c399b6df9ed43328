#include "lap_time_section.h"

#include "html_writer.h"
#include "storage/date_time.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "timing/lap_table.h"
#include "timing/lap_timer.h"

#include <cmath>

namespace {

int SplitsOf(const LapReportInput& input) {
    return ParseInteger(input.laps.splitsPerLap.trimmed()).value_or(0);
}

// The slot's timer with its stored times; a bad stored time ends the list there (as loading does).
void LoadTimer(TLapTimer& timer, const LapReportInput& input, int slot) {
    timer.SetSplits(SplitsOf(input));
    timer.SetPercentForMean(input.percentForMean);
    (void)timer.LoadFromText(input.laps.slots[size_t(slot - 1)].splitTimes);
}

} // namespace

Expected<void, QString> CheckLapTimes(const LapReportInput& input) {
    for (int slot = 1; slot <= 4; ++slot) {
        TLapTimer timer;
        timer.SetSplits(SplitsOf(input));
        if (auto loaded = timer.LoadFromText(input.laps.slots[size_t(slot - 1)].splitTimes); !loaded)
            return loaded;
    }
    return {};
}

QList<int> SlotsWithLaps(const LapReportInput& input) {
    QList<int> slots;
    for (int slot = 1; slot <= 4; ++slot) {
        TLapTimer timer;
        LoadTimer(timer, input, slot);
        if (timer.LapCount() > 0) slots << slot;
    }
    return slots;
}

QString CompactLapLabel(int firstLap, int lastLap) {
    QString label = Translate("Lap") + QLatin1Char(' ') + QString::number(firstLap);
    if (lastLap != firstLap) label += QLatin1Char('-') + QString::number(lastLap);
    return label;
}

void WriteLapTimesSection(THTMLWriter& writer, const ReportContext& context, const LapReportInput& input,
                          int first, int second) {
    if (first == 0 && second == 0) return;
    const auto title = [&](int slot) {
        const QString& name = input.laps.slots[size_t(slot - 1)].name;
        const QString text = name.isEmpty()
                                 ? Fill(Translate("Lap times for Driver %d"), QString::number(slot))
                                 : Fill(Translate("Lap times for %s"), name);
        return ReportText(context, text);
    };
    if (first == 0 || second == 0) {
        const int slot = first != 0 ? first : second;
        writer.WriteSectionHeader(title(slot), QString(), false);
        writer.BeginSectionCell();
        WriteDriverLapTimes(writer, context, input, slot, false);
        writer.EndSectionCell();
        writer.EndSectionRow();
        return;
    }
    writer.WriteSectionHeader(title(first), title(second), true);
    writer.BeginSectionCell();
    WriteDriverLapTimes(writer, context, input, first, true);
    writer.EndSectionCell();
    writer.BeginSectionCell();
    WriteDriverLapTimes(writer, context, input, second, true);
    writer.EndSectionCell();
    writer.EndSectionRow();
}

void WriteDriverLapTimes(THTMLWriter& writer, const ReportContext& context, const LapReportInput& input,
                         int slot, bool fullWidth) {
    const SlotLapData& data = input.laps.slots[size_t(slot - 1)];
    TLapTimer timer;
    LoadTimer(timer, input, slot);
    const LapFigureTexts figures = ComputeLapFigures(timer, input.trackLength, input.units);
    const auto esc = [&](const QString& text) { return ReportText(context, text); };

    writer.BeginTable();
    writer.WriteRow(esc(Translate("Start")),
                    data.startTime != 0 ? esc(DateTimeText(data.startTime)) : QString());
    QString total;
    if (data.startTime != 0 && data.stopTime != 0)
        total = LapTimeText(qint32(std::llround((data.stopTime - data.startTime) * 86400000.0)));
    writer.WriteRow(esc(Translate("Total")), esc(total));
    writer.WriteRow(esc(Translate("In pits")), esc(LapTimeText(data.pitStopTime)));
    writer.WriteRow(esc(Translate("Distance")), esc(figures.distance));
    // Without a track length there is no speed: the time stands alone rather than beside an empty "()".
    const auto withSpeed = [&](const QString& time, const QString& speed) {
        if (time.isEmpty()) return QString();
        if (speed.isEmpty()) return esc(time);
        return esc(time) + QStringLiteral("&nbsp;&nbsp(") + esc(speed) + QLatin1Char(')');
    };
    writer.WriteRow(esc(Translate("Best")), withSpeed(figures.best, figures.bestSpeed));
    writer.WriteRow(esc(Translate("Mean")), withSpeed(figures.mean, figures.meanSpeed));
    writer.EndTable();
    writer.WriteLine(QStringLiteral("<HR>"));

    const int laps = timer.LapCount();
    const int splits = SplitsOf(input);
    if (splits != 0 || laps <= context.options.maxLapsInTable) {
        LapTable table;
        table.SetSplits(timer.Splits());
        const QString best = timer.BestLapText();
        writer.BeginFrameWith(fullWidth ? QStringLiteral("WIDTH=\"100%\"") : QStringLiteral("WIDTH=\"50%\""));
        writer.BeginGridRow();
        for (const QString& header : table.Headers())
            writer.WriteGridHeaderCell(esc(header));
        writer.EndGridRow();
        for (int lap = 1; lap <= laps; ++lap) {
            writer.BeginGridRow();
            for (const QString& cell : timer.LapRow(lap)) {
                if (!best.isEmpty() && cell == best)
                    writer.WriteGridBoldCell(esc(cell));
                else
                    writer.WriteGridCell(esc(cell));
            }
            writer.EndGridRow();
        }
        writer.EndFrame();
        return;
    }

    writer.BeginTable();
    for (int firstLap = 1; firstLap <= laps; firstLap += 5) {
        const int lastLap = std::min(firstLap + 4, laps);
        QStringList values;
        for (int lap = firstLap; lap <= firstLap + 4; ++lap)
            values << (lap <= laps ? esc(timer.LapRow(lap).value(1)) : QString());
        writer.WriteRow5(esc(CompactLapLabel(firstLap, lastLap)), values[0], values[1], values[2], values[3],
                         values[4]);
    }
    writer.EndTable();
}
