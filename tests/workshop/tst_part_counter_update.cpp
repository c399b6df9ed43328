// Ageing a group's parts: counters, left values, the alert lists and log lines, the session proposal and
// the part-status stamp.
#include "workshop/part_counter_update.h"

#include <QTest>

namespace {

using namespace part_col;

QStringList Part(const QString& name, const QString& hours, const QString& hoursLimit) {
    QStringList row(kPartColumnCount);
    row[Changed] = "2026-01-01";
    row[PartNo] = "P-" + name;
    row[Qty] = "1";
    row[Name] = name;
    row[Hours] = hours;
    row[HoursLimit] = hoursLimit;
    return row;
}

PartGroup GroupOf(const std::vector<QStringList>& rows) {
    PartGroup g;
    g.name = "Engine";
    for (const QStringList& row : rows)
        g.parts.AddRow(row);
    return g;
}

} // namespace

class TestPartCounterUpdate : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void hoursLeftAndAlert_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<double>("added");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("alert");
        QTest::newRow("reaches the limit: 0.00, no alert") << "99.5"
                                                           << "100" << 0.5 << "100"
                                                           << "0.00" << false;
        QTest::newRow("past the limit") << "100"
                                        << "100" << 0.1 << "100.1"
                                        << "-0.10" << true;
        QTest::newRow("sum that drifts in binary") << "0.1"
                                                   << "0.3" << 0.2 << "0.3"
                                                   << "0.00" << false;
        QTest::newRow("no limit: no left value") << "500"
                                                 << "" << 1.0 << "501"
                                                 << "" << false;
        QTest::newRow("counter no number counts as 0") << "abc"
                                                       << "10" << 2.0 << "2"
                                                       << "8.00" << false;
    }
    void hoursLeftAndAlert() {
        QFETCH(QString, hours);
        QFETCH(QString, limit);
        QFETCH(double, added);
        QFETCH(QString, counter);
        QFETCH(QString, left);
        QFETCH(bool, alert);
        PartGroup g = GroupOf({Part("Piston", hours, limit)});
        CounterUpdate update;
        update.hours = added;
        const GroupUpdateOutcome outcome = ApplyGroupUpdate("Engine", g, update, "2026-05-01");
        QCOMPARE(g.parts.Field(0, Hours), counter);
        QCOMPARE(g.parts.Field(0, HoursSinceInsp), FormatGeneralFor(added));
        QCOMPARE(g.parts.Field(0, HoursLeft), left);
        QCOMPARE(outcome.alerts.size(), size_t(alert ? 1 : 0));
        QCOMPARE(outcome.logLines.size(), qsizetype(alert ? 2 : 1));
        if (alert) {
            QCOMPARE(outcome.alerts[0].message, QString("Hour limit exceeded for"));
            QCOMPARE(outcome.alerts[0].rows, (std::vector<QStringList>{{"P-Piston", "1", "Piston"}}));
            QCOMPARE(outcome.logLines[1],
                     QString("2026-05-01 Group \"Engine\" Hour limit exceeded for \"Piston\""));
        }
    }

    void everyCounterAndTheAlertOrder() {
        QStringList a = Part("Rod", "", "1");
        a[StartsLimit] = "2";
        a[MileageInterval] = "5";
        a[Starts] = "1";
        QStringList b = Part("Valve", "", "");
        b[StartsInterval] = "0";
        PartGroup g = GroupOf({a, b});
        CounterUpdate update{false, "race 1", 1, 2, 10.0, 1.5};
        const GroupUpdateOutcome outcome = ApplyGroupUpdate("Engine", g, update, "2026-05-01");
        QCOMPARE(outcome.logLines.value(0),
                 QString("2026-05-01 Group \"Engine\" updated hours:1.50 mileage:10.00 starts:2 sessions:1 "
                         "comments: \"race 1\""));
        QStringList messages;
        for (const PartAlert& alert : outcome.alerts)
            messages << alert.message + alert.names;
        QCOMPARE(messages,
                 (QStringList{"Hour limit exceeded for \"Rod\"", "Starts limit exceeded for \"Rod\"",
                              "Inspection mileage interval exceeded for \"Rod\"",
                              "Inspection starts interval exceeded for \"Valve\""}));
        const QStringList rod = g.parts.Row(0);
        QCOMPARE((QStringList{rod[Hours], rod[Mileage], rod[Starts], rod[Sessions], rod[StartsLeft],
                              rod[MileageUntilInsp], rod[StartsSinceInsp]}),
                 (QStringList{"1.5", "10", "3", "1", "-1", "-5.00", "2"}));
    }

    void resetCopiesTheLimits() {
        QStringList row = Part("Chain", "40", "50");
        row[StartsInterval] = "7";
        row[Sessions] = "9";
        PartGroup g = GroupOf({row});
        CounterUpdate update;
        update.reset = true;
        update.hours = 3; // ignored with reset
        const GroupUpdateOutcome outcome = ApplyGroupUpdate("Engine", g, update, "2026-05-01");
        const QStringList after = g.parts.Row(0);
        QCOMPARE((QStringList{after[Hours], after[Sessions], after[HoursLeft], after[StartsUntilInsp],
                              after[MileageLeft]}),
                 (QStringList{"0", "0", "50", "7", ""}));
        QCOMPARE(outcome.logLines, QStringList{"2026-05-01 Group \"Engine\" reset"});
        QVERIFY(outcome.alerts.empty());
    }

    void sessionProposal_data() {
        QTest::addColumn<double>("minutes");
        QTest::addColumn<int>("pitMs");
        QTest::addColumn<bool>("miles");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QStringList>("shown"); // hours, minutes, distance
        QTest::newRow("pit time taken off")
            << 90.0 << 240000 << false << "1250" << QStringList{"1", "26", "15.0"};
        QTest::newRow("miles") << 90.0 << 240000 << true << "1250" << QStringList{"1", "26", "9.3"};
        QTest::newRow("unknown track") << 60.0 << 0 << false << "" << QStringList{"1", "0", "0.0"};
        QTest::newRow("pit time not smaller")
            << 30.0 << 1800000 << false << "x" << QStringList{"0", "30", "0.0"};
        QTest::newRow("over a day counts in full")
            << 1500.0 << 0 << false << "1000" << QStringList{"25", "0", "12.0"};
    }
    void sessionProposal() {
        QFETCH(double, minutes);
        QFETCH(int, pitMs);
        QFETCH(bool, miles);
        QFETCH(QString, length);
        QFETCH(QStringList, shown);
        const double start = 46000.25;
        const SessionUpdateProposal p =
            ProposeSessionUpdate({start, start + minutes / 1440.0, pitMs, 12, length, miles});
        QCOMPARE((QStringList{p.hoursText, p.minutesText, p.distanceText}), shown);
    }

    void sessionDialogValues() {
        SessionDialogValues v;
        v.hours = "1";
        v.minutes = "26";
        v.distance = "15.0";
        const CounterUpdate counted = CounterUpdateFromSessionDialog(v);
        QCOMPARE(counted.hours, 1 + 26 / 60.0);
        QCOMPARE((std::pair{counted.starts, counted.sessions}), (std::pair{0, 1}));
        v.hours = "x";
        v.countStarts = true;
        v.countSession = false;
        v.distance = "far";
        const CounterUpdate other = CounterUpdateFromSessionDialog(v);
        QCOMPARE(other.hours, 0.0);
        QCOMPARE(other.mileage, 0.0);
        QCOMPARE((std::pair{other.starts, other.sessions}), (std::pair{1, 0}));
    }

    void groupsForASession() {
        std::vector<PartGroup> groups(3);
        groups[0].name = "frame";
        groups[0].parts.AddRow(Part("a", "", ""));
        groups[1].name = "Stock";
        groups[1].stock = true;
        groups[1].parts.AddRow(Part("b", "", ""));
        groups[2].name = "Empty";
        QCOMPARE(SessionUpdateGroups(groups), QStringList{"frame"});
    }

    void stampMatchesOnItsText() {
        QVERIFY(StampMatches(46000.5123456789, 46000.5123456789));
        QVERIFY(StampMatches(46000.51234567891, 46000.51234567892)); // same stored text
        QVERIFY(!StampMatches(46000.5, 46000.6));
        QVERIFY(!StampMatches(0, 0));
    }

  private:
    static QString FormatGeneralFor(double value) { return QString::number(value, 'g', 15); }
};

QTEST_GUILESS_MAIN(TestPartCounterUpdate)
#include "tst_part_counter_update.moc"
