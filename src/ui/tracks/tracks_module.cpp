#include "tracks_module.h"

#include "tracks_page_view.h"
#include "workspace/workspace.h"

#include <QTabWidget>

TracksModule::TracksModule(Workspace& workspace) : m_workspace(workspace) {
}

TracksModule::~TracksModule() = default;

void TracksModule::Build(MainWindowHost& host) {
    m_view = std::make_unique<TracksPageView>(m_workspace.Tracks(), m_workspace.State(), host.Window());
    QHash<QString, QWidget*> hosts;
    for (const QString& caption : QStringList{"Track map", "Contact details", "Movie"})
        if (QWidget* page = host.PageHost(QStringLiteral("Tracks/") + caption)) hosts.insert(caption, page);
    int index = 0;
    if (QTabWidget* tabs = host.PageTabs(QStringLiteral("Tracks"), &index)) m_view->Build(tabs, index, hosts);
}
