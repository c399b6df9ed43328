#include "main_window_rig.h"

#include <QTest>

void MainWindowRig::Open() {
    BuildState();
    StartForm();
}

void MainWindowRig::StartForm() {
    workspace = std::make_unique<Workspace>(*state);
    form = std::make_unique<TVorlapaForm>(*workspace, false);
    QVERIFY(form->Start());
}

void MainWindowRig::OpenShown() {
    Open();
    form->resize(1200, 800);
    form->show();
    QVERIFY(form->ShowPage(QStringLiteral("Active session")));
}
