#include "app/leave_checks.h"

#include "storage/translate.h"

#include <QtGlobal>

bool LeaveChecks::Save(Area area) {
    const auto& action = m_saveActions[static_cast<int>(area)];
    if (!action) {
        qWarning("LeaveChecks: no save action for area %d", static_cast<int>(area));
        return false;
    }
    if (!action()) return false;
    m_tracker.MarkUnchanged(area);
    return true;
}

SaveAnswer LeaveChecks::AskToSave(Area area) {
    if (!m_tracker.IsChanged(area) || !m_prompter) return SaveAnswer::NotChanged;
    const QString word = AreaInfoOf(area).leaveWord;
    const Answer answer =
        m_prompter->AskYesNoCancel(Fill(Translate("Unsaved %s changes exists, save now?"), Translate(word)));
    switch (answer) {
    case Answer::Yes:
    case Answer::Ok:
        return Save(area) ? SaveAnswer::Saved : SaveAnswer::SaveFailed;
    case Answer::No:
        return SaveAnswer::NotSaved;
    case Answer::Cancel:
        return SaveAnswer::Cancelled;
    }
    return SaveAnswer::Cancelled;
}

bool LeaveChecks::MaintenanceTabSheetExit() {
    for (Area area : {Area::PartStatus, Area::Maintenance, Area::Suppliers, Area::OrderStatus})
        if (!Check(area)) return false;
    return true;
}

bool LeaveChecks::TrackBoxDropDown() {
    if (!m_tracker.IsChanged(Area::Tracks) || !m_prompter) return true;
    if (m_prompter->AskYesNo(Translate("Unsaved changes exists, save now?")) != Answer::Yes) return true;
    return Save(Area::Tracks);
}
