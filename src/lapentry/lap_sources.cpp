#include "lap_sources.h"

#include "storage/translate.h"

#include <QFileInfo>

namespace {

// The common filter list; `first` names the entry the dialog starts with.
QString CommonFilter(int first) {
    QStringList filters = {
        QStringLiteral("Excel files (*.xls)"), QStringLiteral("txt files (tab separated) (*.txt)"),
        QStringLiteral("csv files (comma separated) (*.csv)"), QStringLiteral("All files (*)")};
    if (first > 0 && first < filters.size()) filters.move(first, 0);
    return filters.join(QStringLiteral(";;"));
}

} // namespace

const std::vector<LapSourceInfo>& LapSources() {
    static const std::vector<LapSourceInfo> sources = {
        {LapSource::AimSports, QStringLiteral("AIMSports (file)"), QStringLiteral("aim"),
         QStringLiteral("Import laptimes from AIM (file)"), CommonFilter(0)},
        {LapSource::AimLightAnalyzer, QStringLiteral("AIM Light Analyzer (file)"), QStringLiteral("aim-la"),
         QStringLiteral("Import laptimes from AIM Light Analyzer (file)"), CommonFilter(0)},
        {LapSource::Alfano, QStringLiteral("Alfano (file)"), QStringLiteral("alfano"),
         QStringLiteral("Import laptimes from Alfano (file)"), CommonFilter(0)},
        {LapSource::Pi, QStringLiteral("PI (textfile)"), QStringLiteral("pi"),
         QStringLiteral("Import laptimes from PI (textfile)"), CommonFilter(1)},
        {LapSource::T200Serial, QStringLiteral("T200 Timer (serial)"), QString(), QString(), QString()},
        {LapSource::T200File, QStringLiteral("T200 Timer (file)"), QStringLiteral("t200"),
         QStringLiteral("Import laptimes from file"),
         QStringLiteral("Files captured from Hyperterminal (*.txt)")},
        {LapSource::Ultralap, QStringLiteral("Ultralap (file)"), QStringLiteral("ultralap"),
         QStringLiteral("Open UltraLap file"),
         QStringLiteral("csv files (*.csv);;Text files (*.txt);;All files (*)")},
        {LapSource::Motec, QStringLiteral("Motec (file)"), QStringLiteral("motec"),
         QStringLiteral("Import laptimes from Motec (file)"), CommonFilter(2)},
        {LapSource::TwoD, QStringLiteral("2D (file)"), QStringLiteral("2d"),
         QStringLiteral("Import laptimes from 2D (textfile)"),
         QStringLiteral("hed files (*.hed);;All files (*)")},
        {LapSource::Bullet, QStringLiteral("Bullet DVR (file)"), QStringLiteral("bullet"),
         QStringLiteral("Import laptimes from Bullet DVR (textfile)"), CommonFilter(1)},
        {LapSource::AimCsv, QStringLiteral("AiM CSV (Race Studio export)"), QStringLiteral("aim-csv"),
         QStringLiteral("Import laptimes from AiM CSV (Race Studio export)"),
         QStringLiteral("csv files (*.csv);;All files (*)")},
        {LapSource::MotecCsv, QStringLiteral("MoTeC CSV (i2 export)"), QStringLiteral("motec-csv"),
         QStringLiteral("Import laptimes from MoTeC CSV (i2 export)"),
         QStringLiteral("csv files (*.csv);;All files (*)")},
    };
    return sources;
}

std::optional<LapSourceInfo> LapSourceOfText(const QString& listText) {
    for (const LapSourceInfo& info : LapSources())
        if (info.listText == listText) return info;
    return std::nullopt;
}

std::optional<LapSourceInfo> LapSourceOfCode(const QString& code) {
    if (code.isEmpty()) return std::nullopt;
    for (const LapSourceInfo& info : LapSources())
        if (info.code == code) return info;
    return std::nullopt;
}

LapImport ReadLapSource(LapSource source, const QStringList& lines, int splits, const QString& fileName,
                        const QStringList& ultralapIds) {
    switch (source) {
    case LapSource::AimSports:
        return ReadAimSports(lines);
    case LapSource::AimLightAnalyzer:
        return ReadAimLightAnalyzer(lines);
    case LapSource::Alfano:
        return ReadAlfano(lines);
    case LapSource::Pi:
        return ReadPi(lines, splits, fileName);
    case LapSource::T200Serial:
        return ReadT200Records(lines, splits, T200Origin::Serial);
    case LapSource::T200File:
        return ReadT200File(lines, splits);
    case LapSource::Ultralap:
        return ReadUltralap(lines, ultralapIds, splits);
    case LapSource::Motec:
        return ReadMotec(lines);
    case LapSource::TwoD:
        return Read2D(lines, splits, fileName);
    case LapSource::Bullet:
        return ReadBullet(lines);
    case LapSource::AimCsv:
        return ReadAimCsv(lines);
    case LapSource::MotecCsv:
        return ReadMotecCsv(lines);
    }
    return {};
}
