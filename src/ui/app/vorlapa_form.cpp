#include "vorlapa_form.h"

#include "app/options_model.h"
#include "app/team_logo.h"
#include "basic_setup_dialog.h"
#include "options_dialog.h"
#include "page_modules.h"
#include "storage/translate.h"
#include "ui/widgets/team_logo_view.h"
#include "workspace/workspace.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QSplashScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

TVorlapaForm::TVorlapaForm(Workspace& workspace, bool interactive, QWidget* parent)
    : QMainWindow(parent), m_workspace(workspace), m_state(workspace.State()), m_interactive(interactive) {
    setObjectName(QStringLiteral("VorlapaForm"));
    setWindowTitle(WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    BuildPages(m_pages, MainPages(), {});
    setCentralWidget(m_pages);
    BuildStatusBar();
    BuildMenu();
    RegisterWindowCommands();
    m_modules = MakePageModules(m_workspace);
    for (const auto& module : m_modules)
        module->Build(*this);
    MarkUnbuiltPages();

    ChangeTracker& changes = m_state.Changes();
    m_connections += changes.captionChanged.Connect(
        [this](const QString& caption, const QString& text) { SetCaption(caption, text); });
    m_connections += changes.saveButtonChanged.Connect([this](const QString& id, bool enabled) {
        if (QWidget* button = m_saveButtons.value(id)) button->setEnabled(enabled);
    });
    m_connections += m_state.changed.Connect([this] { Refresh(); });
    // The title names the session's file and shows its unsaved changes.
    m_connections += m_workspace.Session().changed.Connect([this] { UpdateTitle(); });
    m_connections += changes.flagChanged.Connect([this](Area) { UpdateTitle(); });
    Refresh();

    m_shownPath = CurrentPath();
    for (QTabWidget* tabs : findChildren<QTabWidget*>())
        connect(tabs, &QTabWidget::currentChanged, this, [this] { PageChanged(); });
    qApp->installEventFilter(this);
}

TVorlapaForm::~TVorlapaForm() {
    qApp->removeEventFilter(this);
}

void TVorlapaForm::UpdateTitle() {
    // A changed setup is saved with the session: it counts as a change of the session.
    const ChangeTracker& changes = m_state.Changes();
    setWindowTitle(MainWindowTitle(WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR),
                                   m_workspace.Session().FileName(),
                                   changes.IsChanged(Area::Session) || changes.IsChanged(Area::Setup)));
}

void TVorlapaForm::MarkUnbuiltPages() {
    // A page no module filled says so, rather than showing an empty pane.
    for (auto it = m_pageSlots.constBegin(); it != m_pageSlots.constEnd(); ++it) {
        QWidget* page = it->tabs->widget(it->index);
        if (qobject_cast<QTabWidget*>(page) || page->layout() || !page->children().isEmpty()) continue;
        auto* layout = new QVBoxLayout(page);
        auto* note = new QLabel(Translate("This page is not available in this version yet."), page);
        note->setObjectName(QStringLiteral("unbuiltPageNote"));
        note->setAlignment(Qt::AlignCenter);
        layout->addWidget(note);
    }
}

void TVorlapaForm::BuildStatusBar() {
    m_statusMessage = new QLabel(this);
    m_statusMessage->setObjectName(QStringLiteral("statusMessage"));
    statusBar()->addWidget(m_statusMessage, 1);
    m_vehicleStatus = new QLabel(this);
    m_vehicleStatus->setObjectName(QStringLiteral("vehicleStatus"));
    m_vehicleStatus->setMinimumWidth(120);
    statusBar()->addWidget(m_vehicleStatus);
}

void TVorlapaForm::ShowStatusMessage(const QString& text) {
    m_statusMessage->setText(text);
}

QWidget* TVorlapaForm::PageHost(const QString& path) const {
    const auto slot = m_pageSlots.constFind(path);
    return slot == m_pageSlots.constEnd() ? nullptr : slot->tabs->widget(slot->index);
}

QTabWidget* TVorlapaForm::PageTabs(const QString& path, int* index) const {
    const auto slot = m_pageSlots.constFind(path);
    if (slot == m_pageSlots.constEnd()) return nullptr;
    if (index) *index = slot->index;
    return slot->tabs;
}

void TVorlapaForm::HidePage(const QString& path) {
    const auto slot = m_pageSlots.constFind(path);
    if (slot != m_pageSlots.constEnd()) slot->tabs->setTabVisible(slot->index, false);
}

QWidget* TVorlapaForm::ShowWindow(const QString& name) {
    for (const auto& module : m_modules)
        if (QWidget* window = module->ShowWindow(name)) return window;
    return nullptr;
}

void TVorlapaForm::OfferJournalRestore() {
    if (m_interactive) m_workspace.RestoreTimingJournal();
}

void TVorlapaForm::RegisterWindowCommands() {
    CommandTable& commands = m_state.Commands();
    m_connections += commands.Set(MenuCommand::Exit, [this] { close(); });
    m_connections += commands.Set(MenuCommand::Options, [this] { ShowOptions(); });
    m_connections += commands.Set(MenuCommand::HelpAbout, [this] {
        QMessageBox::about(
            this, Translate("About..."),
            WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR) + QStringLiteral("\n\n") +
                Translate("Lap timing, sessions, setups and the workshop of a motorsport team."));
    });
}

void TVorlapaForm::RegisterSaveButton(const QString& buttonId, QWidget* button) {
    m_saveButtons.insert(buttonId, button);
    button->setEnabled(m_state.Changes().SaveButtonEnabled(buttonId));
}

void TVorlapaForm::SetCaption(const QString& caption, const QString& text) {
    // "Tires" and "General" exist under "Active session" and "Setup"; only the setup marks its sub-pages.
    QList<PageSlot> targets;
    bool underSetup = false;
    for (auto it = m_pageSlots.constBegin(); it != m_pageSlots.constEnd(); ++it) {
        if (it.key().section(u'/', -1) != caption) continue;
        const bool setupPage = it.key().startsWith(QStringLiteral("Setup/"));
        if (setupPage && !underSetup) targets.clear();
        underSetup = underSetup || setupPage;
        if (setupPage == underSetup) targets << *it;
    }
    for (const PageSlot& slot : targets)
        slot.tabs->setTabText(slot.index, text);
}

QStringList TVorlapaForm::CurrentPath() const {
    QStringList path;
    QTabWidget* tabs = m_pages;
    while (tabs) {
        const int index = tabs->currentIndex();
        QString found;
        for (auto it = m_pageSlots.constBegin(); it != m_pageSlots.constEnd(); ++it)
            if (it->tabs == tabs && it->index == index) found = it.key();
        if (found.isEmpty()) break;
        path = found.split(u'/');
        tabs = findChild<QTabWidget*>(QStringLiteral("pages/") + found);
    }
    return path;
}

void TVorlapaForm::ShowPath(const QStringList& path) {
    for (qsizetype depth = 1; depth <= path.size(); ++depth) {
        const auto slot = m_pageSlots.constFind(path.mid(0, depth).join(u'/'));
        if (slot != m_pageSlots.constEnd()) slot->tabs->setCurrentIndex(slot->index);
    }
}

void TVorlapaForm::PageChanged() {
    if (m_returningToPage) return;
    const QStringList shown = CurrentPath();
    if (shown == m_shownPath) return;
    if (m_state.LeavePages(m_shownPath, shown)) {
        m_shownPath = shown;
        return;
    }
    // The user stays: back to the page that was left.
    m_returningToPage = true;
    ShowPath(m_shownPath);
    m_returningToPage = false;
}

bool TVorlapaForm::BelongsHere(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    for (; widget; widget = widget->parentWidget())
        if (widget == this) return true;
    return false;
}

bool TVorlapaForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched != this) TakeFocusBackAfterBox(watched);
    const bool shortcutOverride = event->type() == QEvent::ShortcutOverride;
    if (!shortcutOverride && event->type() != QEvent::KeyPress) return false;
    if (!BelongsHere(watched)) return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const auto action = KeyActionFor(keyEvent->key(), keyEvent->modifiers());
    if (!action || !m_state.KeyApplies(*action, m_shownPath)) return false;
    if (shortcutOverride) {
        // Claim the key before a menu shortcut takes it; it comes back as a key press.
        event->accept();
        return true;
    }
    m_state.RunKey(*action, m_shownPath);
    return true;
}

void TVorlapaForm::TakeFocusBackAfterBox(QObject* hidden) {
    // Without a window manager nobody hands the keyboard back when a box or dialog closes, and the
    // menu shortcuts (Ctrl+N) would go nowhere: the window takes it back itself.
    auto* box = qobject_cast<QWidget*>(hidden);
    if (!box || !box->isWindow() || box->windowModality() == Qt::NonModal || !isVisible()) return;
    QTimer::singleShot(0, this, [this] {
        if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget() && isVisible())
            activateWindow();
    });
}

QWidget* TVorlapaForm::WithTeamLogo(QTabWidget* activeSessionPages) {
    // The logo sits at the page's top right, over the free space beside the sub-page tabs.
    auto* page = new QWidget(m_pages);
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    activeSessionPages->setParent(page);
    layout->addWidget(activeSessionPages, 0, 0);
    m_teamLogo = new TeamLogoView(page);
    layout->addWidget(m_teamLogo, 0, 0, Qt::AlignTop | Qt::AlignRight);
    m_teamLogo->raise();
    connect(m_teamLogo, &TeamLogoView::rightClicked, this, [this] { ChooseTeamLogo(); });
    return page;
}

void TVorlapaForm::ChooseTeamLogo() {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return;
    const auto chosen =
        prompter->ChooseOpenFile(Translate("Team logotype"), m_state.DataFolder(), LogoFileFilter());
    if (!chosen) return;
    const QString used = SetTeamLogo(m_state, *chosen);
    if (!used.isEmpty()) m_teamLogo->SetPicture(QPixmap(used));
}

void TVorlapaForm::LoadTeamLogo() {
    const QString& path = m_state.Settings().logotype;
    if (!path.isEmpty() && QFileInfo::exists(path)) m_teamLogo->SetPicture(QPixmap(path));
}

void TVorlapaForm::BuildPages(QTabWidget* tabs, const std::vector<PageNode>& nodes,
                              const QStringList& parentPath) {
    for (const PageNode& node : nodes) {
        const QStringList path = parentPath + QStringList{node.caption};
        QWidget* page = nullptr;
        if (node.children.empty()) {
            page = new QWidget(tabs); // filled when the page's work is built
        } else {
            auto* inner = new QTabWidget(tabs);
            inner->setObjectName(QStringLiteral("pages/") + path.join(u'/'));
            BuildPages(inner, node.children, path);
            page = path == QStringList{QStringLiteral(N_("Active session"))} ? WithTeamLogo(inner) : inner;
        }
        page->setProperty("pagePath", path.join(u'/'));
        const int index = tabs->addTab(page, Translate(node.caption));
        m_pageSlots.insert(path.join(u'/'), PageSlot{tabs, index});
    }
}

void TVorlapaForm::BuildMenu() {
    QHash<QString, QMenu*> menus;
    for (const MenuEntry& entry : MainMenu()) {
        QMenu* menu = nullptr;
        QString menuPath;
        for (qsizetype level = 0; level + 1 < entry.path.size(); ++level) {
            menuPath += u'/' + entry.path.at(level);
            QMenu*& found = menus[menuPath];
            if (!found) {
                found = menu ? menu->addMenu(Translate(entry.path.at(level)))
                             : menuBar()->addMenu(Translate(entry.path.at(level)));
                found->setObjectName(QStringLiteral("menu") + menuPath);
                if (entry.path.at(level) == u"Choose vehicle")
                    connect(found, &QMenu::aboutToShow, this, [this] {
                        m_state.VehicleMenuOpening();
                        Refresh();
                    });
            }
            menu = found;
        }
        QAction* action = menu->addAction(Translate(entry.path.last()));
        action->setObjectName(QStringLiteral("action/") + entry.path.join(u'/'));
        if (!entry.shortcut.isEmpty()) action->setShortcut(QKeySequence(entry.shortcut));
        action->setCheckable(!VehicleCodeOfCommand(entry.command).isEmpty());
        const MenuCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        m_actions[command] = action;
    }
}

QAction* TVorlapaForm::Action(MenuCommand command) const {
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
}

bool TVorlapaForm::ShowPage(const QString& caption) {
    // A caption alone matches the last step of a path; "Setup/General" matches the whole path.
    const QStringList wanted = caption.split(u'/');
    auto matches = [](const QString& english, const QString& given) {
        return english.compare(given, Qt::CaseInsensitive) == 0 ||
               Translate(english).compare(given, Qt::CaseInsensitive) == 0;
    };
    for (auto it = m_pageSlots.constBegin(); it != m_pageSlots.constEnd(); ++it) {
        const QStringList steps = it.key().split(u'/');
        if (wanted.size() > 1 && steps.size() != wanted.size()) continue;
        const QStringList compared = steps.mid(steps.size() - wanted.size());
        bool same = true;
        for (qsizetype i = 0; i < wanted.size(); ++i)
            same = same && matches(compared.at(i), wanted.at(i));
        if (!same) continue;
        // A hidden page (one the vehicle does not have) cannot be shown.
        bool visible = true;
        for (qsizetype depth = 1; depth <= steps.size(); ++depth) {
            const PageSlot slot = m_pageSlots.value(steps.mid(0, depth).join(u'/'));
            visible = visible && slot.tabs->isTabVisible(slot.index);
        }
        if (!visible) continue;
        // Make every level of the path current, from the top.
        const QStringList path = it.key().split(u'/');
        ShowPath(path);
        return CurrentPath().mid(0, path.size()) == path; // false when a leave check kept the old page
    }
    return false;
}

void TVorlapaForm::ShowProgress(const QString& text) {
    if (!m_interactive) return;
    if (!m_splash) {
        QPixmap picture(420, 160);
        picture.fill(QColor(0x20, 0x30, 0x48));
        m_splash = new QSplashScreen(picture);
        m_splash->show();
    }
    m_splash->showMessage(WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR) + u'\n' + text,
                          Qt::AlignLeft | Qt::AlignBottom, Qt::white);
    QApplication::processEvents();
}

std::optional<int> TVorlapaForm::AskBasicSetup() {
    if (!m_interactive) return std::nullopt;
    if (m_splash) m_splash->hide();
    TBasicSetupDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenEntry();
}

void TVorlapaForm::CloseSplash() {
    delete m_splash;
    m_splash = nullptr;
}

void TVorlapaForm::RunCommand(MenuCommand command) {
    m_state.RunCommand(command);
    Refresh();
}

void TVorlapaForm::Refresh() {
    for (auto it = m_pageSlots.constBegin(); it != m_pageSlots.constEnd(); ++it)
        it->tabs->setTabVisible(it->index, m_state.PageVisible(it.key().split(u'/')));
    for (const auto& [command, action] : m_actions) {
        action->setEnabled(m_state.IsCommandEnabled(command));
        if (action->isCheckable()) action->setChecked(m_state.IsCommandChecked(command));
    }
    m_vehicleStatus->setText(m_state.StatusVehicleText());
    for (const auto& module : m_modules)
        module->Refresh();
}

bool TVorlapaForm::Start() {
    StartupSequence sequence(m_state, *this, &m_workspace);
    const bool completed = sequence.Run(m_interactive);
    const WindowGeometry& geometry = m_state.Geometry();
    resize(geometry.formWidth, geometry.formHeight);
    if (geometry.maximized && m_interactive) setWindowState(windowState() | Qt::WindowMaximized);
    LoadTeamLogo();
    m_workspace.Started();
    for (const auto& module : m_modules)
        module->Started();
    Refresh();
    return completed;
}

void TVorlapaForm::ShowOptions() {
    Prompter& prompter = *m_state.GetServices().prompter;
    OptionsModel model(m_state.Settings(), m_state.Settings().percentForMean, prompter);
    TOptionsDialog dialog(model, prompter, this);
    if (dialog.exec() == QDialog::Accepted) m_workspace.ApplyOptions(model.Accept());
}

void TVorlapaForm::closeEvent(QCloseEvent* event) {
    WindowGeometry& geometry = m_state.Geometry();
    geometry.maximized = isMaximized();
    if (!isMaximized()) {
        geometry.formWidth = width();
        geometry.formHeight = height();
    }
    for (const auto& module : m_modules)
        module->Closing();
    m_workspace.Closing();
    if (!m_state.CloseQuery()) {
        event->ignore();
        return;
    }
    m_workspace.Closed();
    event->accept();
}
