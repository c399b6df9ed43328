#include "part_setups_module.h"

#include "part_setup_dialogs.h"
#include "storage/translate.h"
#include "workspace/workspace.h"

#include <QPushButton>
#include <QTabWidget>

namespace {

// The setup sub-pages and the area each works on.
const std::array<std::pair<const char*, SetupArea>, 8> kSubPages = {{
    {"Tires", SetupArea::Tires},
    {N_("Suspension"), SetupArea::Suspension},
    {N_("Weight distribution"), SetupArea::WeightDistribution},
    {N_("Aerodynamics"), SetupArea::Aerodynamics},
    {N_("Engine"), SetupArea::Engine},
    {N_("Jetting"), SetupArea::Jetting},
    {N_("Gearing"), SetupArea::Gearing},
    {"General", SetupArea::General},
}};

} // namespace

PartSetupsModule::PartSetupsModule(Workspace& workspace) : m_workspace(workspace) {
}

PartSetupsModule::~PartSetupsModule() = default;

void PartSetupsModule::Build(MainWindowHost& host) {
    m_host = &host;
    int index = 0;
    // The button sits beside the setup's sub-page tabs, so it is seen only while "Setup" is shown.
    m_setupTabs = host.PageTabs(QStringLiteral("Setup/Tires"), &index);
    if (m_setupTabs) {
        auto* manage = new QPushButton(Translate("Manage Part Setups"));
        manage->setObjectName(QStringLiteral("ManagePartSetupsButton"));
        QObject::connect(manage, &QPushButton::clicked, [this] { ManagePartSetups(); });
        m_setupTabs->setCornerWidget(manage, Qt::TopRightCorner);
    }
    m_connections +=
        m_workspace.State().Commands().Set(MenuCommand::ComposeSetup, [this] { ComposeSetup(); });
}

SetupArea PartSetupsModule::ShownArea() const {
    if (!m_setupTabs || !m_host) return SetupArea::Tires;
    for (const auto& [caption, area] : kSubPages) {
        int index = -1;
        if (m_host->PageTabs(QStringLiteral("Setup/") + QLatin1String(caption), &index) == m_setupTabs &&
            index == m_setupTabs->currentIndex())
            return area;
    }
    return SetupArea::Tires;
}

void PartSetupsModule::ManagePartSetups() {
    const AppState& state = m_workspace.State();
    PartSetupManager manager(m_workspace.Setup(), *state.GetServices().prompter, state.DataFolder(),
                             ShownArea());
    Prompter* prompter = state.GetServices().prompter;
    SessionModel& session = m_workspace.Session();
    TManagePartSetupsDlg dialog(
        manager,
        [prompter, &session] {
            return prompter->ChooseOpenFile(Translate("Open session"), session.SessionsFolder(),
                                            Translate("Session files (*.ses);;Setup files (*.set)"));
        },
        m_host ? m_host->Window() : nullptr);
    dialog.exec();
    m_workspace.PartSetupManagerClosed(manager);
}

void PartSetupsModule::ComposeSetup() {
    SetupModel& setup = m_workspace.Setup();
    const QString dataDir = m_workspace.State().DataFolder();
    std::map<SetupArea, QStringList> lists;
    std::map<SetupArea, QString> selected;
    for (SetupArea area : kSetupAreaOrder) {
        lists[area] = ListPartSetups(dataDir, area, setup.Vehicle());
        selected[area] = setup.SelectedName(area);
    }
    TComposeSetupDlg dialog(lists, selected, setup.Vehicle(), m_host ? m_host->Window() : nullptr);
    if (dialog.exec() != QDialog::Accepted) return;
    m_workspace.ComposeSetup(dialog.Names());
}

QWidget* PartSetupsModule::ShowWindow(const QString& name) {
    QWidget* parent = m_host ? m_host->Window() : nullptr;
    SetupModel& setup = m_workspace.Setup();
    const QString dataDir = m_workspace.State().DataFolder();
    QDialog* dialog = nullptr;
    if (name == u"Compose Setup") {
        std::map<SetupArea, QStringList> lists;
        for (SetupArea area : kSetupAreaOrder)
            lists[area] = ListPartSetups(dataDir, area, setup.Vehicle());
        dialog = new TComposeSetupDlg(lists, {}, setup.Vehicle(), parent);
    }
    if (!dialog) return nullptr;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}
