#pragma once
// An application state over a temporary data folder, every service a recording double. The folder can
// be lent by the test (to start a second state over what a first one left behind); files for the state
// to find are written before BuildState().
#include "app/app_state.h"
#include "in_memory_settings_store.h"
#include "manual_clock.h"
#include "recording_beeper.h"
#include "recording_prompter.h"
#include "recording_shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct AppRig {
    QTemporaryDir ownDir;
    QTemporaryDir& dir;
    RecordingPrompter prompter;
    ManualClock clock;
    RecordingBeeper beeper;
    RecordingShell shell;
    InMemorySettingsStore store;
    std::unique_ptr<AppState> state;
    QStringList hooks;   // the hooks the state ran, once ObserveHooks() is called
    QList<Area> saved;   // the areas saved, once RecordSaves() is called
    QList<Area> failing; // areas whose save fails (they are not recorded)

    AppRig() : dir(ownDir) {}
    explicit AppRig(QTemporaryDir& folder) : dir(folder) {}
    AppRig(const AppRig&) = delete;
    AppRig& operator=(const AppRig&) = delete;

    Services TestServices() {
        Services services;
        services.prompter = &prompter;
        services.clock = &clock;
        services.beeper = &beeper;
        services.shell = &shell;
        services.settings = &store;
        return services;
    }
    // A new state over the folder (again, to act as the next start).
    void BuildState() { state = std::make_unique<AppState>(TestServices(), dir.path()); }
    void ObserveHooks() {
        state->SetHookObserver([this](const QString& hook) { hooks << hook; });
    }
    // Every area saves by recording itself, but for those in `failing`.
    void RecordSaves() {
        for (int i = 0; i < kAreaCount; ++i) {
            const Area area = static_cast<Area>(i);
            state->Leave().SetSaveAction(area, [this, area] {
                if (failing.contains(area)) return false;
                saved << area;
                return true;
            });
        }
    }

    // Both clocks to ms after a fixed start.
    void At(quint32 ms) {
        clock.tick = 1000 + ms;
        clock.day = 45000.5 + ms / 86400000.0;
    }

    QString Path(const QString& relative) const { return QDir(dir.path()).filePath(relative); }
    // Writes a file below the data folder, making the folders on the way.
    void Write(const QString& relative, const QByteArray& bytes) const {
        const QString path = Path(relative);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    void Write(const QString& relative, const QString& text) const { Write(relative, text.toUtf8()); }
    void Touch(const QString& relative) const { Write(relative, QByteArray()); }
    // The program's settings file with the vehicle code and further lines of its [general] section.
    void WriteSettings(const QString& vehicle, const QString& general = {}) const {
        Write(QStringLiteral("vorlapa.ini"),
              QStringLiteral("[information]\r\nvehicle=%1;\r\n[general]\r\n%2").arg(vehicle, general));
    }
};
