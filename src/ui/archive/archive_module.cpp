#include "archive_module.h"

#include "archive_page_view.h"

void ArchiveModule::Build(MainWindowHost& host) {
    if (QWidget* page = host.PageHost(QStringLiteral("Sessions/Completed")))
        m_view = new ArchivePageView(m_workspace, page, [&host](MenuCommand command) { return host.Action(command); });
}
