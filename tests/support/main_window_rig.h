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
    void Open();
    // The workspace and the window over the state built already (to observe it from the start).
    void StartForm();
    // Open(), then the window shown at a fixed size on the active session.
    void OpenShown();
    // The one view of a type the window holds (a page builder, a page view).
    template <typename View> View* Find() const { return form->findChild<View*>(); }
};
