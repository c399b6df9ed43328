#include "setup_module.h"

#include "session/setup_fields.h"
#include "setup_page_builder.h"
#include "workspace/workspace.h"

#include <QHash>
#include <QWidget>

SetupModule::SetupModule(Workspace& workspace) : m_workspace(workspace) {
}

SetupModule::~SetupModule() = default;

void SetupModule::Build(MainWindowHost& host) {
    m_host = &host;
    SetupModel& setup = m_workspace.Setup();
    const Services& services = m_workspace.State().GetServices();
    m_pages = std::make_unique<SetupPageBuilder>(setup, services.settings, services.prompter, host.Window());
    QHash<QString, QWidget*> hosts;
    for (const QString& path : LeafPagePaths(QStringLiteral("Setup"))) {
        const QString caption = path.section(u'/', -1);
        if (caption == u"Tire list" || caption == u"Gearing" || caption == u"Weight distribution") continue;
        if (QWidget* page = host.PageHost(path)) hosts.insert(caption, page);
    }
    m_pages->SetHosts(hosts);

    // Every loaded area is shown at once, whoever loaded it (a whole setup, a part setup, a session).
    m_connections += setup.areaLoaded.Connect([this](SetupArea) { m_pages->Reload(); });
    m_connections += m_workspace.Session().loaded.Connect([this] { m_pages->Reload(); });
    setup.requestCommitCellEdit = [this] { m_pages->CommitCellEdits(); };
    m_connections += Connection([&setup] { setup.requestCommitCellEdit = {}; });
    // Each vehicle shows exactly its own fields and grid columns; the distance unit decides the captions
    // and shown lengths.
    m_connections += m_workspace.setupLayoutChanged.Connect([this] { m_pages->Build(); });
    m_pages->Build();
}

void SetupModule::Refresh() {
    // A setup sub-page with nothing for the vehicle ("Detailed settings" of a kart or car) is hidden.
    const SetupModel& setup = m_workspace.Setup();
    for (const QString& path : LeafPagePaths(QStringLiteral("Setup"))) {
        const QString caption = path.section(u'/', -1);
        if (SetupSubPages().contains(caption) && !setup.HasSubPage(caption)) m_host->HidePage(path);
    }
}
