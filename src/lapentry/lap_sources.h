#pragma once
// The sources of "Import lap times": their list texts, the file dialogs they open and the readers that
// turn a file into grid cells.
#include "logger_readers.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

enum class LapSource {
    AimSports,
    AimLightAnalyzer,
    Alfano,
    Pi,
    T200Serial,
    T200File,
    Ultralap,
    Motec,
    TwoD,
    Bullet,
    AimCsv,
    MotecCsv,
};

struct LapSourceInfo {
    LapSource source;
    QString listText; // the entry of the import list, stored as "import_last_type"
    QString code;     // the SOURCE of "vorlapa-cli import" ("" for the serial download)
    QString title;    // the file dialog's title ("" for sources with their own dialog)
    QString filter;   // the file dialog's filter list, Qt form, the chosen filter first
};

const std::vector<LapSourceInfo>& LapSources();
std::optional<LapSourceInfo> LapSourceOfText(const QString& listText);
std::optional<LapSourceInfo> LapSourceOfCode(const QString& code);

// The reader of a file source on the file's lines. UltraLap takes the session IDs to import; the other
// sources ignore them. The serial download has no file reader (its lines go to ReadT200Records).
LapImport ReadLapSource(LapSource source, const QStringList& lines, int splits, const QString& fileName,
                        const QStringList& ultralapIds = {});
