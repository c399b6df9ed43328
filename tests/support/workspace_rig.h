#pragma once
// The workspace over a temporary data folder (see AppRig), started as the program starts it but without
// a window: the start-up sequence with its steps, then what follows it.
#include "app_rig.h"
#include "recording_startup_view.h"
#include "workspace/workspace.h"

struct WorkspaceRig : AppRig {
    std::unique_ptr<Workspace> workspace;
    RecordingStartupView view;

    WorkspaceRig() = default;
    explicit WorkspaceRig(QTemporaryDir& folder) : AppRig(folder) {}

    // Builds the state and the workspace over what the folder holds and runs start-up.
    void Open() {
        BuildState();
        workspace = std::make_unique<Workspace>(*state);
        QVERIFY(StartupSequence(*state, view, workspace.get()).Run(false));
        workspace->Started();
    }
    Workspace& Ws() const { return *workspace; }
};
