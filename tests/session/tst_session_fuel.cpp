// The session's fuel pages: consumption figures, the pit stop plan and the stop list's operations.
#include "session_rig.h"

#include "session/session_fuel.h"

#include <QTest>

namespace {

struct FuelRig : SessionRig {
    SessionFuel fuel{*session, prompter};
    Driver1Figures driver1{46000.5, 46000.5 + 1.0 / 24, 0, 12};
    std::vector<int> asked; // proposals of the recalculation dialog
    std::optional<int> answer = std::nullopt;

    FuelRig() {
        prompter.SetStrict(true);
        fuel.requestDriver1 = [this] { return driver1; };
        fuel.requestTrackLength = [] { return QStringLiteral("1609"); };
        fuel.requestTrackConsumption = [] { return std::pair{QStringLiteral("2.0"), QStringLiteral("1.6")}; };
        fuel.requestRecalcLap = [this](int proposal) {
            asked.push_back(proposal);
            return answer;
        };
    }
    void Set(const QString& section, const QString& key, const QString& text) {
        session->SetFieldText(SessionFieldIndex(section, key), text);
    }
    void Notes(const QString& key, const QString& text) { Set(SessionKeys::SessionNotes, key, text); }
    QString Rows() const {
        QStringList lines;
        for (int r = 0; r < session->PitStopRowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < kPitStopColumns; ++c)
                cells << session->PitStopCell(r, c);
            lines << cells.join(u'|');
        }
        return lines.join(u';');
    }
    void PlanInputs(const QString& laps) {
        Notes("pitstop_fuel_tank_capacity", "40");
        Notes("pitstop_fuel_least_amount", "2");
        Notes("pitstop_wet_percent", "25"); // 2.0 - 0.4 * 25 / 100 = 1.9 per lap
        Notes("pitstop_laps_to_run", laps);
    }
};

} // namespace

class TestSessionFuel : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void consumptionFromTheSessionFields() {
        FuelRig rig;
        rig.Set(SessionKeys::Conditions, SessionKeys::AmountFuel, "10");
        rig.Notes("fuel_after_session", "4");
        rig.fuel.CalcFuelConsumptionAfterSession();
        const SessionConsumption& c = rig.fuel.Consumption();
        QCOMPARE((QStringList{c.total, c.perLap, c.distancePerFuel, c.perHour}),
                 (QStringList{"6", "0.5000", "3.2180", "6.0000"}));
        QCOMPARE(rig.fuel.ConsumptionLines().front().first, QString("Total litres"));

        // A pit time longer than the session: the error, and the figures stay.
        rig.driver1.pitStopMs = 3700000;
        rig.prompter.ExpectError("Pitstop time longer than total time, aborting!");
        rig.fuel.CalcFuelConsumptionAfterSession();
        QCOMPARE(rig.fuel.Consumption().total, QString("6"));
        QVERIFY(rig.prompter.ScriptDone());
    }

    void planAndLapsToRun() {
        FuelRig rig;
        QCOMPARE(rig.fuel.PitConsumption(), QString("2.0000")); // no wet percentage: dry
        rig.PlanInputs("");
        QCOMPARE(rig.fuel.PitConsumption(), QString("1.9000"));
        rig.Notes("pitstop_time_to_run", "1");
        rig.Notes("pitstop_approx_lap_time", "40");
        rig.fuel.CalcLapsToRun();
        QCOMPARE(rig.session->Text(SessionKeys::SessionNotes, "pitstop_laps_to_run"), QString("91"));
        rig.Notes("pitstop_laps_to_run", "90");
        rig.answer = 0;
        QVERIFY(rig.fuel.RecalculateWithDialog());
        QCOMPARE(rig.asked, std::vector<int>{12});
        QCOMPARE(rig.Rows(), QString("0|Fill up (40)||;20|Fill up (38.00)||;40|Fill up (38.00)||;"
                                     "60|Fill up (38.00)||;80|19.00||"));
        QVERIFY(rig.session->IsChanged());

        // Cancel leaves the rows.
        rig.answer = std::nullopt;
        QVERIFY(!rig.fuel.RecalculateWithDialog());
        QCOMPARE(rig.session->PitStopRowCount(), 5);
    }

    void refusedPlanWarnsAndKeepsTheRows() {
        FuelRig rig;
        rig.PlanInputs("10");
        rig.Notes("pitstop_fuel_least_amount", "40");
        rig.session->SetPitStopCell(0, 0, "3");
        rig.prompter.ExpectWarning("The fuel consumption and the usable tank*");
        QVERIFY(!rig.fuel.Recalculate(0));
        QCOMPARE(rig.Rows(), QString("3|||"));
        // A wet percentage above 100 gives no consumption: nothing is planned, silently.
        rig.Notes("pitstop_fuel_least_amount", "2");
        rig.Notes("pitstop_wet_percent", "120");
        QVERIFY(!rig.fuel.Recalculate(0));
        QVERIFY(rig.prompter.ScriptDone());
    }

    void addEditDeleteAskToRecalculate() {
        FuelRig rig;
        rig.PlanInputs("50");
        QCOMPARE(rig.fuel.CheckStop({" x", "", "", ""}),
                 std::optional<QString>("You must enter a lap number!"));

        // A tire stop without fuel: sorted in, no question.
        rig.fuel.AddStop({"30", "", " rain ", ""});
        QVERIFY(rig.asked.empty());
        // A fuel stop asks with its own lap; planning from 0 replaces every row.
        rig.answer = 0;
        rig.fuel.AddStop({"5", "10", "", ""});
        QCOMPARE(rig.asked, std::vector<int>{5});
        QCOMPARE(rig.Rows(), QString("0|Fill up (40)||;20|Fill up (38.00)||;40|19.00||"));

        // Editing the tires only: no question; the lap changed: driver 1's laps proposed.
        rig.fuel.EditStop(1, {"20", "Fill up (38.00)", "soft", ""});
        QCOMPARE(rig.asked.size(), size_t(1));
        rig.answer = std::nullopt;
        rig.fuel.EditStop(1, {"25", "Fill up (38.00)", "soft", ""});
        QCOMPARE(rig.asked, (std::vector<int>{5, 12}));
        QCOMPARE(rig.Rows(), QString("0|Fill up (40)||;25|Fill up (38.00)|soft|;40|19.00||"));

        rig.fuel.DeleteStop(1);
        QCOMPARE(rig.asked.size(), size_t(3));
        QCOMPARE(rig.Rows(), QString("0|Fill up (40)||;40|19.00||"));
        QVERIFY(!rig.fuel.RowHasLap(5));
    }
};

QTEST_GUILESS_MAIN(TestSessionFuel)
#include "tst_session_fuel.moc"
