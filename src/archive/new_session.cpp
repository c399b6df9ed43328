#include "new_session.h"

bool PrepareNewSession(const SessionCallbacks& session, const NewSessionHooks& hooks, Prompter& prompter) {
    if (!hooks.ask || !OfferToSaveSession(session, prompter)) return false;
    const NewSessionDefaults defaults = hooks.defaults ? hooks.defaults() : NewSessionDefaults{};
    const auto choice = hooks.ask(defaults);
    if (!choice) return false;
    auto run = [](const std::function<void()>& hook) {
        if (hook) hook();
    };
    if (choice->clearLapTimes) run(hooks.resetLapTimes);
    if (choice->clearNotes) run(hooks.clearSessionNotes);
    if (choice->updateTireData) run(hooks.updateTireData);
    if (choice->track != defaults.track && hooks.selectTrack) hooks.selectTrack(choice->track);
    if (hooks.setEventAndType) hooks.setEventAndType(choice->eventName, choice->sessionType);
    run(hooks.forgetFileName);
    return true;
}
