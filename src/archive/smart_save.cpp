#include "smart_save.h"

#include "storage/date_time.h"
#include "storage/file_names.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

std::optional<QString> SmartSaveFileName(const SmartSaveInput& input) {
    const double t = input.driver1LapCount > 0 ? input.driver1StartTime : input.now;
    // Day numbers beyond the year 9999 name no date.
    if (!std::isfinite(t) || t < -657434 || t > 2958465) return std::nullopt;
    const QString name =
        input.track + u' ' + DateTimeText(t) + u' ' + input.sessionType + QStringLiteral(".ses");
    return SafeFileName(name);
}

QString SmartSaveFolder(const SmartSaveInput& input, const QString& dataFolder) {
    const QString sessions = QDir(dataFolder).filePath(QStringLiteral("Sessions"));
    if (!input.intoTrackFolder || input.track.trimmed().isEmpty()) return sessions;
    return QDir(sessions).filePath(SafeFileName(input.track));
}

bool SmartSaveSession(const SmartSaveInput& input, const QString& dataFolder, Prompter& prompter,
                      const std::function<bool(const QString& path)>& saveSessionTo) {
    QString proposal;
    if (const auto name = SmartSaveFileName(input)) {
        proposal = *name;
    } else {
        prompter.ShowError(Translate("Unable to build a file name for this session"));
        proposal = QFileInfo(input.currentFile).fileName();
    }
    const QString folder = SmartSaveFolder(input, dataFolder);
    if (!QDir().mkpath(folder)) {
        prompter.ShowError(Translate("Cannot create directory ") + QDir::toNativeSeparators(folder));
        return false;
    }
    const auto chosen = prompter.ChooseSaveFile(Translate("Save session"), QDir(folder).filePath(proposal),
                                                Translate("Session files (*.ses)"));
    if (!chosen || chosen->isEmpty() || !saveSessionTo) return false;
    return saveSessionTo(*chosen);
}
