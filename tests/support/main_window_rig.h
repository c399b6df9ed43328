#pragma once
// The main window over a temporary data folder (see AppRig), with the workspace it shows. Only for tests
// that link vorlapa_ui.
#include "app_rig.h"
#include "ui/app/vorlapa_form.h"
#include "workspace/workspace.h"

struct MainWindowRig : AppRig {
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<TVorlapaForm> form; // after the workspace: the window goes first

    MainWindowRig() = default;
    explicit MainWindowRig(QTemporaryDir& folder) : AppRig(folder) {}

    // Builds the state and the window over what the folder holds and starts the window.
    void Open() {
        BuildState();
        StartForm();
    }
    // The workspace and the window over the state built already (to observe it from the start).
    void StartForm() {
        workspace = std::make_unique<Workspace>(*state);
        form = std::make_unique<TVorlapaForm>(*workspace, false);
        QVERIFY(form->Start());
    }
    // Open(), then the window shown at a fixed size on the active session.
    void OpenShown() {
        Open();
        form->resize(1200, 800);
        form->show();
        QVERIFY(form->ShowPage(QStringLiteral("Active session")));
    }
    // The one view of a type the window holds (a page builder, a page view).
    template <typename View> View* Find() const { return form->findChild<View*>(); }
};
