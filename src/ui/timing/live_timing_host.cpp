#include "live_timing_host.h"

#include "app/app_state.h"
#include "live_timing_view.h"
#include "timing/live_timing_model.h"
#include "ui/platform/qt_services.h"

LiveTimingHost::LiveTimingHost(AppState& state, QWidget* mainWindow, QWidget* host, QWidget* notesPanel)
    : m_state(state) {
    const Services& services = state.GetServices();
    LiveTimingHooks hooks;
    hooks.markSessionChanged = [this] { m_state.Changes().SessionIsDirty(); };
    hooks.sessionIsDirty = [this] { return m_state.Changes().IsChanged(Area::Session); };
    hooks.saveSession = [this] {
        return m_state.Leave().HasSaveAction(Area::Session) && m_state.Leave().Save(Area::Session);
    };
    hooks.knownDriversChanged = [this](const QStringList& drivers) { m_state.Settings().drivers = drivers; };
    Clock* clock = services.clock;
    if (!clock) clock = (m_ownClock = std::make_unique<QtClock>()).get();
    Beeper* beeper = services.beeper;
    if (!beeper) beeper = (m_ownBeeper = std::make_unique<QtBeeper>()).get();
    Prompter* prompter = services.prompter;
    if (!prompter) prompter = (m_ownPrompter = std::make_unique<QtPrompter>(false)).get();
    m_model = std::make_unique<LiveTimingModel>(*clock, *beeper, *prompter, std::move(hooks));
    m_model->SetJournalFolder(state.DataFolder());
    m_view = new LiveTimingView(*m_model, mainWindow, host, notesPanel);
    state.SetLiveTimingKeyHandler(
        [this](int slot, LiveTimingAction action) { m_view->RunKey(slot, action); });
}

LiveTimingHost::~LiveTimingHost() {
    m_state.SetLiveTimingKeyHandler({});
    delete m_view; // before the model it shows
}

void LiveTimingHost::ApplySettings() {
    const ProgramSettings& settings = m_state.Settings();
    LiveTimingSettings timing;
    timing.includePitLaps = settings.includePitlaps;
    timing.percentForMean = settings.percentForMean;
    timing.units = TimingUnitsOfSystem(settings.systemUnit);
    m_model->SetSettings(timing);
    m_model->SetKnownDrivers(settings.drivers);
}

void LiveTimingHost::Started() {
    ApplySettings();
    for (int slot = 1; slot <= LiveTimingModel::kSlots; ++slot)
        if (const QString& name = m_state.Settings().sessionLastDriver[size_t(slot - 1)]; !name.isEmpty())
            m_model->SetDriverName(slot, name);
    m_view->ApplyGeometry(m_state.Geometry());
    m_state.Changes().MarkUnchanged(Area::Session); // the names read are no edit
}

void LiveTimingHost::RestoreJournal() {
    m_model->OfferJournalRestore(m_state.DataFolder());
}

void LiveTimingHost::Closing() {
    m_view->StoreGeometry(m_state.Geometry());
    for (int slot = 1; slot <= LiveTimingModel::kSlots; ++slot)
        m_state.Settings().sessionLastDriver[size_t(slot - 1)] = m_model->Slot(slot).driverName;
}

void LiveTimingHost::Closed() {
    // Lap data that reached the session file need no journal; unsaved ones keep it for the next start.
    if (!m_state.Changes().IsChanged(Area::Session)) m_model->DiscardJournal();
}
