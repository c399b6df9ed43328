#pragma once
// The archive page ("Sessions" / "Completed"): the scan, the filter boxes, the tree and the sorted list
// of the selected node, with the page's commands. Loading and saving sessions belong to the session
// model; the page reaches it through the callbacks.
#include "app/program_settings.h"
#include "archive_list.h"
#include "archive_scan.h"
#include "archive_tree.h"
#include "events/event.h"
#include "services/services.h"
#include "smart_save.h"
#include "storage/vehicle.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// What the page needs of the current session.
struct SessionCallbacks {
    std::function<bool()> sessionIsChanged;                 // unsaved session changes
    std::function<bool()> saveSession;                      // "Save session" (false: not saved)
    std::function<bool(const QString& path)> loadSession;   // loads a session file
    std::function<bool(const QString& path)> loadSetupOnly; // takes only the setup of a session file
    std::function<void()> showActiveSession;                // shows the "Active session" page
    // Smart save: the session's track, type, driver 1's start and laps and its file; the save itself.
    std::function<SmartSaveInput()> smartSaveInput;
    std::function<bool(const QString& path)> saveSessionTo;
};

// "Unsaved Session changes exists, save now?" when the session has changes: Yes saves, No goes on,
// Cancel stops. False when the caller must stop.
bool OfferToSaveSession(const SessionCallbacks& session, Prompter& prompter);

class RecentSessions;
class TTrackList;
// A "Reopen session" entry chosen: the changed session is offered for saving, then the entry's file is
// loaded (the entry itself, else the sessions folder + the entry). False when stopped or not loaded.
bool ReopenSession(const QString& entry, const RecentSessions& recent, const SessionCallbacks& session,
                   Prompter& prompter);

class ArchivePage {
  public:
    ArchivePage(ProgramSettings& settings, const QString& dataFolder, Prompter* prompter);

    void SetOptions(const SummaryOptions& options) { m_options = options; }
    // The options of the program's settings for the vehicle shown (a motorcycle before one is chosen) with
    // the lengths of the known tracks.
    void SetOptions(const ProgramSettings& settings, VehicleType vehicle, const TTrackList& tracks);
    const SummaryOptions& Options() const { return m_options; }
    void SetCallbacks(const SessionCallbacks& callbacks) { m_session = callbacks; }
    ArchiveScanner& Scanner() { return m_scanner; }

    // The page is shown: scan, the list's columns, filters, tree and the remembered node's list.
    void Show();
    // A filter box changed (0 year, 1 driver, 2 engine, 3 frame): the tree is rebuilt.
    void SetFilter(int box, const QString& text);
    // A node was chosen (its text is remembered); std::nullopt lists every session passing the filters.
    void SelectNode(const std::optional<TreeNode>& node);
    void HeaderClick(int column);

    const SummaryRows& AllRows() const { return m_rows; }
    const QStringList& Headers() const { return m_headers; }
    const FilterLists& Filters() const { return m_filterLists; }
    const ArchiveFilters& FilterTexts() const { return m_filters; }
    const std::vector<TreeNode>& Tree() const { return m_tree; }
    const std::optional<TreeNode>& SelectedNode() const { return m_node; }
    // The rows of the list, in the list's order, and the column hidden for the selected node.
    const SummaryRows& ListRows() const { return m_list; }
    int HiddenColumn() const { return m_hiddenColumn; }
    const ArchiveSort& Sort() const { return m_sort; }

    // Widths of the 22 columns as the list shows them (the hidden ones 0). The view hands its widths back
    // before every fill; widths above 0 are kept.
    QList<int> ShownWidths() const;
    const QList<int>& Widths() const { return m_widths; }
    void SetWidths(const QList<int>& widths);
    void TakeViewWidths(const QList<int>& widths);

    QString Tip(int listRow) const;
    // What the last showing could not read, for the status bar ("2 files of the archive could not be
    // read."); empty when everything was read.
    QString UnreadableText() const {
        return UnreadableStatusText(m_scanner.UnreadableFilesLastScan(),
                                    m_scanner.UnreadableFoldersLastScan());
    }
    ArchiveCommands Commands(int selectedRows) const { return CommandsForSelection(selectedRows); }

    // Commands on list rows. Open and "Open setup only" need one row whose file exists.
    bool Open(int listRow);
    bool OpenSetupOnly(int listRow);
    // Asks once, deletes the rows' files (failures ignored) and scans again. False when not confirmed.
    bool Delete(const std::vector<int>& listRows);

    // After the list was filled (the view redraws).
    Event<> listChanged;

  private:
    void BuildFiltersAndTree();
    void FillList();

    ProgramSettings& m_settings;
    QString m_dataFolder;
    Prompter* m_prompter;
    SessionCallbacks m_session;
    SummaryOptions m_options;
    ArchiveScanner m_scanner;
    SummaryRows m_rows;
    QStringList m_headers;
    FilterLists m_filterLists;
    ArchiveFilters m_filters;
    std::vector<TreeNode> m_tree;
    std::optional<TreeNode> m_node;
    SummaryRows m_list;
    int m_hiddenColumn = -1;
    ArchiveSort m_sort;
    QList<int> m_widths;
};
