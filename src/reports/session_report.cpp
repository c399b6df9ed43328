#include "session_report.h"

#include "html_writer.h"
#include "storage/file_names.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <QDir>

namespace {

using A = SetupArea;

class SessionReport {
  public:
    SessionReport(THTMLWriter& writer, const ReportContext& context, const SessionReportInput& session,
                  const SetupReportInput& setup)
        : w(writer), c(context), s(session), su(setup), stem(ReportFileStem(session.sessionFile)) {}

    void Write() {
        ConditionsAndNotes();
        PitStops();
        if (FourWheel())
            FourWheelTires();
        else
            BikeTires();
        EngineAndVehicle();
        w.EndFrame();
        w.WriteLine(QStringLiteral("<BR>"));
        if (c.options.pageBreakBeforeSessions) w.WritePageBreak();
        w.BeginFrame(QStringLiteral("90%"));
        const QList<int> slots = SlotsWithLaps(s.laps);
        for (qsizetype i = 0; i < slots.size(); i += 2)
            WriteLapTimesSection(w, c, s.laps, slots.at(i), i + 1 < slots.size() ? slots.at(i + 1) : 0);
    }

  private:
    QString Esc(const QString& text) const { return ReportText(c, text); }
    QString L(const char* caption) const { return Esc(Translate(caption)); }
    QString V(const char* key) const { return Esc(s.Text(QString::fromLatin1(key))); }
    static bool Filled(const QString& text) { return !text.trimmed().isEmpty(); }
    bool FilledKey(const char* key) const { return Filled(s.Text(QString::fromLatin1(key))); }
    bool FourWheel() const { return su.vehicle == VehicleType::Car || su.vehicle == VehicleType::Kart; }

    void Row(const char* caption, const char* key) { w.WriteRow(L(caption), V(key)); }
    // A value followed by a blank (or nothing) and its unit, only when the value is filled in.
    void UnitRow(const char* caption, const char* key, const QString& unit, bool blank = true) {
        const QString value = s.Text(QString::fromLatin1(key));
        if (!Filled(value)) return;
        w.WriteRow(L(caption), Esc(value + (blank ? QStringLiteral(" ") : QString()) + unit));
    }

    void ConditionsAndNotes() {
        w.WriteSectionHeader(L(N_("Conditions")), L("Notes"), true);
        w.BeginSectionCell();
        w.BeginTable();
        const QString track = s.Text(QStringLiteral("track"));
        if (!track.isEmpty())
            w.WriteRow(L("Track"), ReportLink(c, ReportFileTarget(TrackPageName(track)), track));
        Row("Information", "session_info");
        Row("Type of session", "session_type");
        Row("Class", "class");
        Row(N_("Amount fuel"), "amount_fuel");
        w.RowCount = 0;
        const bool names = c.options.exportPartSetupNames;
        if (names) w.WriteRuleRow();
        const QString setupPage = ReportFileTarget(QStringLiteral("setup_") + stem + QStringLiteral(".htm"));
        w.WriteRow(L(N_("Setup")), ReportLink(c, setupPage, Translate("Click here for setup")));
        Row(N_("Rank setup"), "rank_setup");
        if (names) {
            static const std::pair<A, const char*> rows[] = {
                {A::Tires, N_("Tire setup")},
                {A::Suspension, N_("Suspension setup")},
                {A::Aerodynamics, N_("Aerodynamics setup")},
                {A::Engine, N_("Engine setup")},
                {A::Gearing, N_("Gearing setup")},
                {A::Jetting, N_("Jetting setup")},
                {A::WeightDistribution, N_("Weight distr setup")},
                {A::General, N_("General setup")}};
            for (const auto& [area, label] : rows) {
                const QString& name = su.record.selectedNames[size_t(area)];
                if (name.isEmpty()) continue;
                w.WriteRow(L(label), ReportLink(c, setupPage + QLatin1Char('#') + SetupAnchor(area), name));
            }
            if (w.RowCount > 1) {
                w.WriteRuleRow();
                w.RowCount = 0;
            }
        }
        Row("Drivers position", "position");
        Row("Number of competitors", "competitors");
        Row("Competitors best lap", "competitors_best_lap");
        Row("Best competitor", "best_competitor_name");
        Row(N_("Top speed"), "top_speed");
        if (w.RowCount > 0) w.WriteRuleRow();
        Row(N_("Weather"), "weather");
        Row(N_("Track condition"), "track_condition");
        UnitRow(N_("Track temperature"), "track_temperature", s.temperatureUnit);
        UnitRow(N_("Air temperature"), "temperature", s.temperatureUnit);
        UnitRow(N_("Actual pressure"), "barometric_pressure", s.pressureUnit);
        UnitRow(N_("Rel. humidity"), "humidity", QStringLiteral(N_("%")), false);
        if (s.airDensityShown && Filled(s.airDensity))
            w.WriteRow(
                !s.airDensityCaption.isEmpty() ? Esc(s.airDensityCaption)
                : s.airDensityAd               ? L("AD")
                                               : L("RAD"),
                Esc(s.airDensity + (s.airDensityAd ? QStringLiteral(" kg/m3") : QStringLiteral(N_("%")))));
        w.EndTable();
        w.EndSectionCell();

        w.BeginSectionCell();
        const bool driver = Filled(s.driverNotes);
        const bool vehicle = Filled(s.vehicleNotes);
        if (driver) {
            w.WriteBoldText(L("Driver Notes"));
            w.WriteLine(QStringLiteral("<BR>"));
            w.WriteText(ReportNotes(c, s.driverNotes));
        }
        if (vehicle) {
            w.WriteLine(QStringLiteral("<BR><BR>"));
            w.WriteBoldText(L("Vehicle Notes"));
            w.WriteLine(QStringLiteral("<BR>"));
            w.WriteText(ReportNotes(c, s.vehicleNotes));
        }
        if (!driver && !vehicle) w.WriteLine(QStringLiteral("&nbsp;"));
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void PitStops() {
        std::vector<QStringList> rows;
        for (const QStringList& row : s.pitStops) {
            bool any = false;
            for (const QString& cell : row)
                any = any || Filled(cell);
            if (any) rows.push_back(row);
        }
        if (rows.empty()) return;
        w.WriteSectionHeader(L(N_("Pitstop Information")), QString(), true);
        w.BeginSectionCell();
        w.BeginTable();
        w.WriteColumnHeaderRow3(Esc(s.pitStopHeaders.value(1)), Esc(s.pitStopHeaders.value(2)),
                                Esc(s.pitStopHeaders.value(3)));
        for (const QStringList& row : rows)
            w.WriteRow3(Esc(row.value(0)), Esc(row.value(1)), Esc(row.value(2)), Esc(row.value(3)));
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    // Two label/value tables side by side in one cell.
    template <typename Left, typename Right> void SideBySide(Left left, Right right) {
        w.WriteLine(QStringLiteral("<TABLE>"));
        w.WriteLine(QStringLiteral("<TR><TD>"));
        w.BeginTable();
        left();
        w.EndTable();
        w.WriteLine(QStringLiteral("</TD><TD WIDTH=\"20\">&nbsp;</TD><TD>"));
        w.BeginTable();
        right();
        w.EndTable();
        w.WriteLine(QStringLiteral("</TD></TR>"));
        w.WriteLine(QStringLiteral("</TABLE>"));
    }

    // The setup's cold pressure (or another tire table row) of a wheel column.
    QString SetupTire(const char* rowKey, int column) const {
        const GridId id = FourWheel() ? GridId::FourWheelTires : GridId::BikeTires;
        const SetupGrid& grid = Grid(id);
        for (size_t r = 0; r < grid.rows.size(); ++r)
            if (grid.rows[r].key == QLatin1String(rowKey)) return su.record.Cell(id, int(r), column);
        return QString();
    }

    static QString Increase(const QString& coldText, const QString& hotText) {
        const auto cold = ParseDecimal(coldText.trimmed());
        const auto hot = ParseDecimal(hotText.trimmed());
        if (!cold || !hot || *cold <= 0) return QString();
        return QString::number(RoundHalfEven((*hot - *cold) / *cold * 100)) + QLatin1Char('%');
    }

    void PressureRow(const char* label, const char* hotKey, int column) {
        const QString cold = SetupTire("pressure_cold", column);
        const QString hot = s.Text(QString::fromLatin1(hotKey));
        w.WriteRow3(L(label), Esc(cold), Esc(hot), Esc(Increase(cold, hot)));
    }

    void PressureHeader() { w.WriteColumnHeaderRow3(L(N_("Cold")), L(N_("Hot")), L(N_("Incr."))); }

    void FourWheelTires() {
        static const char* wheels[4] = {"fl", "fr", "rl", "rr"};
        bool tires = false, circumference = false;
        for (const char* wheel : wheels) {
            const QString p = QString::fromLatin1(wheel);
            tires = tires || Filled(s.Text(p + QStringLiteral("_pressure_hot")));
            for (const char* part : {"_temp_outer", "_temp_middle", "_temp_inner"})
                tires = tires || Filled(s.Text(p + QString::fromLatin1(part)));
            circumference = circumference || Filled(s.Text(p + QStringLiteral("_circumference")));
        }
        if (tires) {
            w.WriteSectionHeader(L(N_("Tire Temperatures")), L(N_("Tire Pressures")), true);
            w.BeginSectionCell();
            SideBySide(
                [&] {
                    w.WriteColumnHeaderRow3(L(N_("O")), L(N_("M")), L(N_("I")));
                    w.WriteRow3(L("FL"), V("fl_temp_outer"), V("fl_temp_middle"), V("fl_temp_inner"));
                    w.WriteRow3(L("RL"), V("rl_temp_outer"), V("rl_temp_middle"), V("rl_temp_inner"));
                },
                [&] {
                    w.WriteColumnHeaderRow3(L(N_("I")), L(N_("M")), L(N_("O")));
                    w.WriteRow3(L("FR"), V("fr_temp_inner"), V("fr_temp_middle"), V("fr_temp_outer"));
                    w.WriteRow3(L("RR"), V("rr_temp_inner"), V("rr_temp_middle"), V("rr_temp_outer"));
                });
            w.EndSectionCell();
            w.BeginSectionCell();
            SideBySide(
                [&] {
                    PressureHeader();
                    PressureRow("FL", "fl_pressure_hot", 0);
                    PressureRow("RL", "rl_pressure_hot", 2);
                },
                [&] {
                    PressureHeader();
                    PressureRow("FR", "fr_pressure_hot", 1);
                    PressureRow("RR", "rr_pressure_hot", 3);
                });
            w.EndSectionCell();
            w.EndSectionRow();
        }
        if (circumference) {
            const auto row = [&](const char* label, const char* key, int column) {
                const QString before = SetupTire("circumference", column);
                const QString after = s.Text(QString::fromLatin1(key));
                const double b = ParseDecimal(before.trimmed()).value_or(0);
                const double a = ParseDecimal(after.trimmed()).value_or(0);
                QString diff, percent;
                if (a > 0 && b > 0) {
                    diff = FormatPattern(a - b, QStringLiteral("0.0"));
                    percent = FormatPattern((a - b) * 100 / b, QStringLiteral("0.0")) + QLatin1Char('%');
                }
                w.WriteRow4(L(label), Esc(before), Esc(after), Esc(diff), Esc(percent));
            };
            const auto header = [&] {
                w.WriteColumnHeaderRow4(L(N_("Before")), L(N_("After")), L(N_("Diff")), L(N_("%")));
            };
            w.WriteSectionHeader(L(N_("Tire Circumference")), QString(), true);
            w.BeginSectionCell();
            SideBySide(
                [&] {
                    header();
                    row("FL", "fl_circumference", 0);
                    row("RL", "rl_circumference", 2);
                },
                [&] {
                    header();
                    row("FR", "fr_circumference", 1);
                    row("RR", "rr_circumference", 3);
                });
            w.EndSectionCell();
            w.EndSectionRow();
        }
    }

    void BikeTires() {
        const bool side = su.vehicle == VehicleType::Sidecar;
        QList<QString> wheels{QStringLiteral("front"), QStringLiteral("rear")};
        if (side) wheels << QStringLiteral("side");
        bool any = false;
        for (const QString& wheel : wheels)
            for (const char* part : {"_pressure_hot", "_temp_left", "_temp_middle", "_temp_right"})
                any = any || Filled(s.Text(wheel + QString::fromLatin1(part)));
        if (!any) return;
        static const char* labels[3] = {"Front", "Rear", N_("Side")};
        w.WriteSectionHeader(L(N_("Tire Temperatures")), L(N_("Tire Pressures")), true);
        w.BeginSectionCell();
        w.BeginTable();
        w.WriteColumnHeaderRow3(L(N_("Left")), L(N_("Middle")), L(N_("Right")));
        for (qsizetype i = 0; i < wheels.size(); ++i) {
            const QString& p = wheels.at(i);
            w.WriteRow3(L(labels[i]), Esc(s.Text(p + QStringLiteral("_temp_left"))),
                        Esc(s.Text(p + QStringLiteral("_temp_middle"))),
                        Esc(s.Text(p + QStringLiteral("_temp_right"))));
        }
        w.EndTable();
        w.EndSectionCell();
        w.BeginSectionCell();
        w.BeginTable();
        PressureHeader();
        for (qsizetype i = 0; i < wheels.size(); ++i) {
            const QByteArray key = (wheels.at(i) + QStringLiteral("_pressure_hot")).toLatin1();
            PressureRow(labels[i], key.constData(), int(i));
        }
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void EngineAndVehicle() {
        static const char* keys[] = {
            "radiator_tape",          "coolant_temp",          "oil_temp",
            "exhaust_temp",           "cylinder_head_temp",    "weight_after_session",
            "remaining_stroke_front", "remaining_stroke_rear", "fuel_after_session"};
        bool any = false;
        for (const char* key : keys)
            any = any || FilledKey(key);
        if (!any) return;
        w.WriteSectionHeader(L(N_("Engine Readings")), L(N_("Vehicle Data")), true);
        w.BeginSectionCell();
        w.BeginTable();
        Row(N_("Tape on radiator"), "radiator_tape");
        Row(N_("Coolant temperature"), "coolant_temp");
        Row(N_("Oil temperature"), "oil_temp");
        Row(N_("Exhaust temperature"), "exhaust_temp");
        Row(N_("Cylinder head temperature"), "cylinder_head_temp");
        w.EndTable();
        w.EndSectionCell();
        w.BeginSectionCell();
        w.BeginTable();
        Row(N_("Weight after session"), "weight_after_session");
        const QString stroke = Translate(s.remainingStrokeCaption) + QLatin1Char(' ');
        w.WriteRow(Esc(stroke + Translate("Front")), V("remaining_stroke_front"));
        w.WriteRow(Esc(stroke + Translate("Rear")), V("remaining_stroke_rear"));
        Row(N_("Fuel after session"), "fuel_after_session");
        Row("Number of laps", "number_of_laps");
        for (const auto& [caption, text] : s.fuelFigures)
            w.WriteRow(Esc(caption), Esc(text));
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    THTMLWriter& w;
    const ReportContext& c;
    const SessionReportInput& s;
    const SetupReportInput& su;
    const QString stem;
};

} // namespace

QString SessionReportInput::Text(const QString& key) const {
    for (const SessionReportField& field : fields)
        if (field.key == key) return field.text;
    return QString();
}

QString TrackPageName(const QString& trackName) {
    return SafeFileName(trackName) + QStringLiteral(".htm");
}

void WriteSessionReport(THTMLWriter& writer, const ReportContext& context, const SessionReportInput& session,
                        const SetupReportInput& setup, const QString& filePath) {
    const QString name = ReportBaseName(session.sessionFile);
    BeginReport(writer, context, filePath,
                QStringLiteral("Vorlapa ") + Translate("Session") + QStringLiteral(": ") + name, name);
    SessionReport(writer, context, session, setup).Write();
    EndReportFrameAndDocument(writer, context);
}

Expected<QStringList, QString> ExportSessionReport(const ReportContext& context,
                                                   const SessionReportInput& session,
                                                   const SetupReportInput& setup) {
    // Lap data that cannot be read is refused before anything is written.
    if (const auto laps = CheckLapTimes(session.laps); !laps) return Unexpected(laps.error());
    const auto setupPath = ExportSetupReport(context, setup, session.sessionFile);
    if (!setupPath) return Unexpected(setupPath.error());
    const QString path = QDir(context.exportFolder)
                             .filePath(QStringLiteral("session_") + ReportFileStem(session.sessionFile) +
                                       QStringLiteral(".htm"));
    THTMLWriter writer;
    WriteSessionReport(writer, context, session, setup, path);
    const auto written = writer.Close();
    if (!written) return Unexpected(written.error());
    return QStringList{*setupPath, path};
}
