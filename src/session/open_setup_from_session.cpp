#include "open_setup_from_session.h"

#include "services/services.h"
#include "setup_model.h"
#include "storage/translate.h"

bool OpenSetupFromSession(SetupModel& setup, Prompter& prompter, bool unsavedChanges,
                          const std::function<void()>& saveSession, const QString& sessionsFolder) {
    if (unsavedChanges) {
        const Answer answer = prompter.AskYesNoCancel(Translate("Unsaved changes exists, save now?"));
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes && saveSession) saveSession();
    }
    const std::optional<QString> path = prompter.ChooseOpenFile(
        Translate("Open setup from session"), sessionsFolder, Translate("Session files (*.ses)"));
    if (!path || path->isEmpty()) return false;
    return setup.OpenSetup(*path);
}
