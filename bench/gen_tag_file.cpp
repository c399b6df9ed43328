#include "gen_tag_file.h"

#include "storage/comma_text.h"
#include "storage/lap_time.h"
#include "storage/txt_parser.h"

#include <QRandomGenerator>

GeneratedTagFile GenerateSessionTagFile(int keyCount, unsigned seed) {
    static const QStringList sections{"Session",
                                      "Conditions",
                                      "Weather",
                                      "Driver1",
                                      "Driver2",
                                      "Driver3",
                                      "Driver4",
                                      "PitStops",
                                      "Fuel",
                                      "Tires",
                                      "TireReadings",
                                      "Suspension",
                                      "SuspensionFront",
                                      "SuspensionRear",
                                      "Aerodynamics",
                                      "Engine",
                                      "Gearing",
                                      "Jetting",
                                      "WeightDistribution",
                                      "General",
                                      "Brakes",
                                      "Notes"};
    static const QStringList words{"pressure", "cold",    "hot",         "front",   "rear",   "left",
                                   "right",    "rebound", "compression", "preload", "spring", "height",
                                   "temp",     "wear",    "gear",        "ratio",   "jet",    "needle",
                                   "clip",     "camber",  "toe",         "caster",  "weight"};
    QRandomGenerator random(seed);
    GeneratedTagFile file;
    TTxtParser writer;
    writer.OpenWrite(QStringLiteral("unused.ses"));
    const int perSection = qMax(1, keyCount / int(sections.size()));
    int written = 0;
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const QString& section = sections.at(s);
        writer.WriteSection(section);
        const int count = s + 1 == sections.size() ? qMax(1, keyCount - written) : perSection;
        for (int k = 0; k < count; ++k, ++written) {
            const QString key = words.at(random.bounded(int(words.size()))) + u'_' +
                                words.at(random.bounded(int(words.size()))) + u'_' + QString::number(k);
            // Every eighth key of a driver or pit section is a list block, every tenth of the notes a text.
            if (section.startsWith(u"Driver") && k % 8 == 0) {
                QStringList laps;
                for (int lap = 0; lap < 25; ++lap)
                    laps << CommaTextJoin({QString::number(lap + 1),
                                           LapTimeText(85000 + random.bounded(4000)),
                                           LapTimeText(30000 + random.bounded(1000)), "Dry"});
                writer.WriteValue(key, QStringLiteral("list_begin"));
                writer.WriteLines(laps);
                writer.WriteValue(key, QStringLiteral("list_end"));
                file.keys.push_back({section, key, QStringLiteral("list_end")});
            } else if (section == u"Notes" && k % 10 == 0) {
                writer.WriteValue(key, QStringLiteral("notes_begin"));
                writer.WriteTextBlock(
                    QStringLiteral("Grip low in the second sector.\r\nTry softer rebound.\r\n"
                                   "Fuel: 12 litres after 20 laps."));
                writer.WriteValue(key, QStringLiteral("notes_end"));
                file.keys.push_back({section, key, QStringLiteral("notes_end")});
            } else {
                writer.WriteValue(key, QString::number(random.bounded(1000) / 10.0));
                file.keys.push_back({section, key, QString()});
            }
        }
    }
    file.text = writer.WrittenText();
    return file;
}
