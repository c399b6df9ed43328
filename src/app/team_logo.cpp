#include "app/team_logo.h"

#include "app/app_state.h"
#include "storage/atomic_file.h"
#include "storage/translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString LogoFileFilter() {
    return QStringLiteral("All (*.gif *.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;"
                          "GIF (*.gif);;JPEG (*.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;"
                          "Enhanced Metafiles (*.emf);;Metafiles (*.wmf)");
}

LogoPlacement PlaceLogo(const QString& chosenPath, const QString& dataFolder) {
    const QFileInfo chosen(chosenPath);
    const QString folder = QDir::cleanPath(chosen.absolutePath());
    const QString data = QDir::cleanPath(QDir(dataFolder).absolutePath());
    if (folder.compare(data, Qt::CaseInsensitive) == 0) return {chosen.absoluteFilePath(), false};
    return {QDir(data).filePath(chosen.fileName()), true};
}

QString SetTeamLogo(AppState& state, const QString& chosenPath) {
    if (chosenPath.isEmpty() || !QFileInfo::exists(chosenPath)) return {};
    const LogoPlacement placement = PlaceLogo(chosenPath, state.DataFolder());
    if (placement.copy) {
        // A failed copy (a full disk) keeps what was there.
        const auto copied = CopyFileAtomically(chosenPath, placement.usedPath);
        if (!copied) {
            if (Prompter* prompter = state.GetServices().prompter)
                prompter->ShowError(Fill(Translate("Unable to copy %s to %s"),
                                         {QDir::toNativeSeparators(chosenPath),
                                          QDir::toNativeSeparators(placement.usedPath)}) +
                                    u'\n' + copied.error());
            return {};
        }
    }
    state.Settings().logotype = placement.usedPath;
    state.SaveSettings();
    return placement.usedPath;
}
