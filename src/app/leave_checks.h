#pragma once
// The questions asked when a page holding changed data is left: "Unsaved %s changes exists, save now?"
// per changed area, Yes running the area's save action. A save that was cancelled or failed stops the
// leaving: the check answers false and the changes stay in memory.
#include "app/change_tracker.h"
#include "services/services.h"

#include <functional>

enum class SaveAnswer {
    NotChanged, // the area was not changed; nothing asked
    Saved,      // Yes, and the save succeeded
    NotSaved,   // No
    Cancelled,  // Cancel
    SaveFailed, // Yes, but the save was cancelled or failed
};

class LeaveChecks {
  public:
    // Saves the area; false when the user cancelled the save or it failed (the area stays changed).
    using SaveAction = std::function<bool()>;

    LeaveChecks(ChangeTracker& tracker, Prompter* prompter) : m_tracker(tracker), m_prompter(prompter) {}
    void SetPrompter(Prompter* prompter) { m_prompter = prompter; }
    void SetSaveAction(Area area, SaveAction action) {
        m_saveActions[static_cast<int>(area)] = std::move(action);
    }

    bool HasSaveAction(Area area) const { return bool(m_saveActions[static_cast<int>(area)]); }

    // Asks the question for one changed area (Yes, No, Cancel) and saves on Yes. A successful save marks
    // the area unchanged. Closing the program also uses this (there Cancel keeps the program open).
    SaveAnswer AskToSave(Area area);
    // Saves the area now, without asking (Ctrl+S, the save buttons); false when it was not saved.
    bool Save(Area area);

    // Page-leave checks: true when the page may be left, false when a save was cancelled or failed.
    bool TracksTabSheetExit() { return Check(Area::Tracks); }
    bool TiresTabSheetExit() { return Check(Area::TireList); }
    // Part status, maintenance, suppliers, order status: each asked separately, in this order.
    bool MaintenanceTabSheetExit();
    bool SuppliersTabSheetExit() { return Check(Area::Suppliers); }
    bool OrderStatusTabSheetExit() { return Check(Area::OrderStatus); }
    bool EventsTabSheetExit() { return Check(Area::Schedule); }
    bool GeneralNotesTabSheetHide() { return Check(Area::GeneralNotes); }

    // Opening the drop-down list of a track box while the tracks are changed: "Unsaved changes exists,
    // save now?" (Yes, No); Yes saves them. False when the save was cancelled or failed.
    bool TrackBoxDropDown();

  private:
    bool Check(Area area) { return AskToSave(area) != SaveAnswer::SaveFailed; }

    ChangeTracker& m_tracker;
    Prompter* m_prompter;
    std::array<SaveAction, kAreaCount> m_saveActions;
};
