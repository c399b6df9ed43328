// The main window's connections around the current session: its lap data in the live timing, its track
// in the Tracks pages, the session archive and "New session", and the air density figure.
#include "vorlapa_form.h"

#include "archive/new_session.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "session/setup_model.h"
#include "timing/live_timing_model.h"
#include "tracks/tracks_page.h"
#include "ui/archive/archive_page_view.h"
#include "ui/session/active_session_pages.h"
#include "ui/timing/live_timing_host.h"
#include "ui/tracks/tracks_page_view.h"

#include <QPushButton>

namespace {
QString ConditionText(const SessionModel& session, const QString& key) {
    return session.Text(SessionKeys::Conditions, key);
}
const QString kEventName = QStringLiteral("name_of_event");
const QString kSessionType = QStringLiteral("session_type");
} // namespace

void TVorlapaForm::ConnectSession() {
    // Lap data: collected for every save, replaced by every load. Once they are in a session file, the
    // crash journal of the run before is no longer needed.
    m_session->collectLapData = [this] { return LiveTiming().CurrentLapData(); };
    m_session->applyLapData = [this](const LapData& lapData) {
        auto applied = LiveTiming().LoadLapData(lapData);
        if (applied) LiveTiming().DiscardJournal();
        return applied;
    };
    m_session->saved = [this] { LiveTiming().SessionSaved(); };
    m_session->offerRecent = [this](const QString& path) { m_archivePage->SessionLoaded(path); };

    // The session's track box shows the track list; a track chosen there (or loaded) is shown on the Tracks
    // pages and gives the live timing its length and fuel consumption.
    m_tracksPages->Model().SetOnTrackNamesChanged(
        [this](const QStringList& names) { m_session->SetTrackNames(names); });
    m_session->trackSelected = [this](const QString& track) { SessionTrackSelected(track); };
    LiveTiming().SetFuelSource([this] { return SessionFuelFigures(); });

    SessionCallbacks callbacks;
    callbacks.sessionIsChanged = [this] { return m_session->IsChanged(); };
    callbacks.saveSession = [this] { return m_session->SaveSessionWithDialog(); };
    callbacks.loadSession = [this](const QString& path) { return m_session->LoadSession(path); };
    callbacks.loadSetupOnly = [this](const QString& path) {
        const bool opened = m_setup->OpenSetup(path);
        if (opened) m_state.Changes().MarkUnchanged(Area::Setup);
        return opened;
    };
    callbacks.showActiveSession = [this] { ShowPage(QStringLiteral("Active session")); };
    callbacks.smartSaveInput = [this] {
        SmartSaveInput input;
        input.track = m_session->Record().Track();
        input.sessionType = ConditionText(*m_session, kSessionType);
        input.currentFile = m_session->FileName();
        const DriverSlot& driver1 = LiveTiming().Slot(1);
        input.driver1StartTime = driver1.startTime;
        input.driver1LapCount = driver1.timer.LapCount();
        return input;
    };
    // The session model's own save: the file is replaced whole, the journal closed.
    callbacks.saveSessionTo = [this](const QString& path) { return m_session->SaveSession(path); };
    m_archivePage->SetCallbacks(callbacks);
    m_archivePage->SetTrackList([this] { return &m_tracksPages->Model().List(); });

    NewSessionHooks hooks;
    hooks.defaults = [this] {
        return NewSessionDefaults{m_session->TrackNames(), m_session->Record().Track(),
                                  ConditionText(*m_session, kEventName),
                                  ConditionText(*m_session, kSessionType)};
    };
    hooks.resetLapTimes = [this] { LiveTiming().ResetLapTimes(); };
    hooks.clearSessionNotes = [this] { m_session->ClearSessionNotes(false); }; // the dialog asked already
    hooks.selectTrack = [this](const QString& track) {
        m_session->SetText(SessionKeys::Conditions, SessionKeys::Track, track);
    };
    hooks.setEventAndType = [this](const QString& eventName, const QString& sessionType) {
        m_session->SetText(SessionKeys::Conditions, kEventName, eventName);
        m_session->SetText(SessionKeys::Conditions, kSessionType, sessionType);
    };
    hooks.forgetFileName = [this] {
        // A new session starts unchanged; what the journal held belonged to the session before.
        LiveTiming().DiscardJournal();
        m_session->MarkUnchanged();
        m_session->ForgetFileName();
    };
    m_archivePage->SetNewSessionHooks(hooks);

    if (QPushButton* airDensity = m_sessionPages->AirDensityButton())
        connect(airDensity, &QPushButton::clicked, this,
                [this, airDensity] { OpenJettingGuru(airDensity->text()); });
}

void TVorlapaForm::SessionTrackSelected(const QString& track) {
    TracksPage& tracks = m_tracksPages->Model();
    if (!track.isEmpty() && tracks.SelectedName() != track) tracks.SelectTrack(track);
    LiveTiming().SetTrackLength(SessionTrackLength());
}

QString TVorlapaForm::SessionTrackLength() const {
    const TTrackInfo* track = m_tracksPages->Model().FindTrack(m_session->Record().Track());
    return track ? track->Length : QString();
}

FuelFigures TVorlapaForm::SessionFuelFigures() const {
    const TTrackInfo* track = m_tracksPages->Model().FindTrack(m_session->Record().Track());
    return track ? m_session->FuelFiguresFor(track->FuelConsumptionDry, track->FuelConsumptionWet)
                 : m_session->FuelFiguresFor(QString(), QString());
}
