#pragma once
// A session model wired as the main window wires it: application state with test doubles, the setup
// model marking its area changed, and the live timing holding the lap data.
#include "../support/manual_clock.h"
#include "../support/recording_beeper.h"
#include "../support/recording_prompter.h"
#include "../support/recording_shell.h"
#include "app/app_state.h"
#include "session/session_model.h"
#include "session/setup_model.h"
#include "timing/live_timing_model.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct SessionRig {
    RecordingPrompter prompter;
    ManualClock clock;
    RecordingBeeper beeper;
    RecordingShell shell;
    QTemporaryDir dir;
    std::unique_ptr<AppState> state;
    std::unique_ptr<SetupModel> setup;
    std::unique_ptr<LiveTimingModel> live;
    std::unique_ptr<SessionModel> session;
    Connection setupMarks;

    explicit SessionRig(VehicleType vehicle = VehicleType::Motorcycle, const QString& unitSystem = "Metric") {
        Services services;
        services.prompter = &prompter;
        services.clock = &clock;
        services.beeper = &beeper;
        services.shell = &shell;
        state = std::make_unique<AppState>(services, dir.path());
        state->Units().ApplyUnitSystem(unitSystem);
        setup = std::make_unique<SetupModel>(vehicle, &prompter);
        setup->ApplyDistanceUnit(state->Units().Units().distance == QLatin1String("miles"));
        setupMarks = setup->changed.Connect([this] { state->Changes().SetupIsDirty(); });
        live = std::make_unique<LiveTimingModel>(clock, beeper, prompter);
        session = std::make_unique<SessionModel>(*state, *setup);
        session->requestLapData = [this] { return live->CurrentLapData(); };
        session->requestApplyLapData = [this](const LapData& data) { return live->LoadLapData(data); };
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    void Write(const QString& name, const QString& text) const {
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    QString Read(const QString& name) const {
        QFile file(Path(name));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll());
    }
    // The file without its header line (it holds the time of writing).
    QString Body(const QString& name) const { return Read(name).section(QStringLiteral("\r\n"), 1); }
};
