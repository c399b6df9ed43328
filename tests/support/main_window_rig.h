#pragma once
// The main window over a temporary data folder (see AppRig). Only for tests that link vorlapa_ui.
#include "app_rig.h"
#include "ui/app/vorlapa_form.h"

struct MainWindowRig : AppRig {
    std::unique_ptr<TVorlapaForm> form;

    MainWindowRig() = default;
    explicit MainWindowRig(QTemporaryDir& folder) : AppRig(folder) {}

    // Builds the state and the window over what the folder holds and starts the window.
    void Open() {
        BuildState();
        StartForm();
    }
    // The window over the state built already (to observe it from the start).
    void StartForm() {
        form = std::make_unique<TVorlapaForm>(*state, false);
        QVERIFY(form->Start());
    }
    // Open(), then the window shown at a fixed size on the active session.
    void OpenShown() {
        Open();
        form->resize(1200, 800);
        form->show();
        QVERIFY(form->ShowPage(QStringLiteral("Active session")));
    }
};
