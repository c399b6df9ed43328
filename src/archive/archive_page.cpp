#include "archive_page.h"

#include "recent_sessions.h"
#include "storage/translate.h"
#include "tracks/track_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool OfferToSaveSession(const SessionCallbacks& session, Prompter& prompter) {
    if (!session.sessionIsChanged || !session.sessionIsChanged()) return true;
    const Answer answer = prompter.AskYesNoCancel(
        Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Session")));
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes && session.saveSession) session.saveSession();
    return true;
}

bool ReopenSession(const QString& entry, const RecentSessions& recent, const SessionCallbacks& session,
                   Prompter& prompter) {
    if (!session.loadSession || !OfferToSaveSession(session, prompter)) return false;
    return session.loadSession(recent.FileOf(entry));
}

ArchivePage::ArchivePage(ProgramSettings& settings, const QString& dataFolder, Prompter* prompter)
    : m_settings(settings), m_dataFolder(dataFolder), m_prompter(prompter), m_widths(DefaultSummaryWidths()) {
    m_scanner.SetIndexFile(QDir(dataFolder).filePath(QString::fromLatin1(kArchiveIndexFileName)));
}

void ArchivePage::Show() {
    m_rows = m_scanner.Scan(QDir(m_dataFolder).filePath(QStringLiteral("Sessions")), m_options);
    m_headers = SummaryHeaders(m_options);
    m_filters = {m_settings.sessionFilterYear, m_settings.sessionFilterDriver, m_settings.sessionFilterEngine,
                 m_settings.sessionFilterFrame};
    BuildFiltersAndTree();
}

void ArchivePage::BuildFiltersAndTree() {
    m_filterLists = BuildFilterLists(m_rows);
    m_filters = KeepPresentSelections(m_filters, m_filterLists);
    m_settings.sessionFilterYear = m_filters.year;
    m_settings.sessionFilterDriver = m_filters.driver;
    m_settings.sessionFilterEngine = m_filters.engine;
    m_settings.sessionFilterFrame = m_filters.frame;
    m_tree = BuildTree(m_rows, m_filters);
    m_node = FindNode(m_tree, m_settings.sessionlistLastNode);
    FillList();
}

void ArchivePage::SetFilter(int box, const QString& text) {
    QString* filters[] = {&m_filters.year, &m_filters.driver, &m_filters.engine, &m_filters.frame};
    if (box < 0 || box > 3) return;
    *filters[box] = text;
    BuildFiltersAndTree();
}

void ArchivePage::SelectNode(const std::optional<TreeNode>& node) {
    m_node = node;
    if (node) m_settings.sessionlistLastNode = node->text;
    FillList();
}

void ArchivePage::FillList() {
    const NodeContent content = RowsForNode(m_rows, m_filters, m_node);
    m_list.clear();
    m_list.reserve(content.rows.size());
    for (const int index : content.rows)
        m_list.push_back(m_rows[std::size_t(index)]);
    m_hiddenColumn = content.hiddenColumn;
    SortSummaryRows(m_list, m_sort);
    listChanged.Emit();
}

void ArchivePage::HeaderClick(int column) {
    if (column < 0 || column >= ArchiveColumn::kVisible) return;
    m_sort.Click(column);
    SortSummaryRows(m_list, m_sort);
    listChanged.Emit();
}

QList<int> ArchivePage::ShownWidths() const {
    QList<int> widths = m_widths;
    for (int column = ArchiveColumn::kVisible; column < widths.size(); ++column)
        widths[column] = 0;
    if (m_hiddenColumn >= 0 && m_hiddenColumn < widths.size()) widths[m_hiddenColumn] = 0;
    return widths;
}

void ArchivePage::SetWidths(const QList<int>& widths) {
    for (int column = 0; column < ArchiveColumn::kVisible && column < widths.size(); ++column)
        if (widths[column] > 0) m_widths[column] = widths[column];
}

void ArchivePage::TakeViewWidths(const QList<int>& widths) {
    SetWidths(widths);
}

QString ArchivePage::Tip(int listRow) const {
    if (listRow < 0 || listRow >= int(m_list.size())) return {};
    return SessionTip(m_list[std::size_t(listRow)]);
}

bool ArchivePage::Open(int listRow) {
    if (listRow < 0 || listRow >= int(m_list.size()) || !m_prompter) return false;
    const QString path = m_list[std::size_t(listRow)].value(ArchiveColumn::Path);
    if (!QFileInfo::exists(path) || !m_session.loadSession) return false;
    if (!OfferToSaveSession(m_session, *m_prompter)) return false;
    if (!m_session.loadSession(path)) return false;
    if (m_session.showActiveSession) m_session.showActiveSession();
    return true;
}

bool ArchivePage::OpenSetupOnly(int listRow) {
    if (listRow < 0 || listRow >= int(m_list.size())) return false;
    const QString path = m_list[std::size_t(listRow)].value(ArchiveColumn::Path);
    if (!QFileInfo::exists(path) || !m_session.loadSetupOnly) return false;
    return m_session.loadSetupOnly(path);
}

bool ArchivePage::Delete(const std::vector<int>& listRows) {
    QStringList paths;
    for (const int row : listRows)
        if (row >= 0 && row < int(m_list.size()))
            paths << m_list[std::size_t(row)].value(ArchiveColumn::Path);
    if (paths.isEmpty() || !m_prompter) return false;
    const QString question =
        paths.size() == 1 ? Translate("Delete this session?") : Translate("Delete these sessions?");
    if (m_prompter->AskOkCancel(question) != Answer::Ok) return false;
    for (const QString& path : paths)
        QFile::remove(path); // a file that is gone or locked stays as it is
    Show();
    return true;
}

void ArchivePage::SetOptions(const ProgramSettings& settings, VehicleType vehicle, const TTrackList& tracks) {
    if (vehicle == VehicleType::None) vehicle = VehicleType::Motorcycle;
    m_options = SummaryOptionsFrom(settings, VehicleCode(vehicle));
    AddTrackLengths(m_options, tracks);
}
