#include "vorlapa_form.h"

#include "app/team_logo.h"
#include "basic_setup_dialog.h"
#include "options_dialog.h"
#include "session/setup_model.h"
#include "storage/translate.h"
#include "ui/archive/archive_page_view.h"
#include "ui/session/setup_page_builder.h"
#include "ui/widgets/team_logo_view.h"

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

TVorlapaForm::TVorlapaForm(AppState& state, bool interactive, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_interactive(interactive) {
    setObjectName(QStringLiteral("VorlapaForm"));
    setWindowTitle(WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    BuildPages(m_pages, MainPages(), {});
    setCentralWidget(m_pages);
    BuildSetupPages();
    BuildMenu();
    const PageSlot archive = m_pageSlots.value(QStringLiteral("Sessions/Completed"));
    m_archivePage = new ArchivePageView(m_state, archive.tabs->widget(archive.index),
                                        [this](MenuCommand command) { return Action(command); });

    auto* firstField = new QLabel(this);
    firstField->setObjectName(QStringLiteral("statusMessage"));
    statusBar()->addWidget(firstField, 1);
    m_vehicleStatus = new QLabel(this);
    m_vehicleStatus->setObjectName(QStringLiteral("vehicleStatus"));
    m_vehicleStatus->setMinimumWidth(120);
    statusBar()->addWidget(m_vehicleStatus);

    ChangeTracker& changes = m_state.Changes();
    changes.onCaptionChanged = [this](const QString& caption, const QString& text) {
        SetCaption(caption, text);
    };
    changes.onSaveButtonChanged = [this](const QString& id, bool enabled) {
        if (QWidget* button = m_saveButtons.value(id)) button->setEnabled(enabled);
    };
    m_state.SetChangeListener([this] { Refresh(); });
    Refresh();

    m_shownPath = CurrentPath();
    for (QTabWidget* tabs : findChildren<QTabWidget*>())
        connect(tabs, &QTabWidget::currentChanged, this, [this] { PageChanged(); });
    qApp->installEventFilter(this);
}

void TVorlapaForm::BuildSetupPages() {
    const Services& services = m_state.GetServices();
    m_setup = std::make_unique<SetupModel>(VehicleType::Motorcycle, services.prompter);
    m_setupPages = new SetupPageBuilder(*m_setup, services.settings, services.prompter, this);
    QHash<QString, QWidget*> hosts;
    for (auto it = m_pageSlots.constBegin(); it != m_pageSlots.constEnd(); ++it) {
        QWidget* page = it->tabs->widget(it->index);
        if (!it.key().startsWith(QStringLiteral("Setup/")) || qobject_cast<QTabWidget*>(page)) continue;
        const QString caption = it.key().section(u'/', -1);
        if (caption != u"Tire list") hosts.insert(caption, page);
    }
    m_setupPages->SetHosts(hosts);
    // Every setup edit marks "Setup" and the sub-page it was made on.
    m_setup->markedChanged = [this] { m_state.Changes().SetupIsDirty(m_setupPages->EditingPage()); };
}

TVorlapaForm::~TVorlapaForm() {
    qApp->removeEventFilter(this);
    m_state.SetChangeListener({});
    m_state.Changes().onCaptionChanged = {};
    m_state.Changes().onSaveButtonChanged = {};
    // The pages go before the setup model: an editor still open writes into the model as it closes.
    m_setup->markedChanged = {};
    delete m_pages;
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
            page = path == QStringList{QStringLiteral("Active session")} ? WithTeamLogo(inner) : inner;
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

void TVorlapaForm::RunCommand(MenuCommand command) {
    switch (command) {
    case MenuCommand::Exit:
        close();
        break;
    case MenuCommand::Options:
        ShowOptions();
        break;
    case MenuCommand::HelpAbout:
        QMessageBox::about(
            this, Translate("About..."),
            WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR) + QStringLiteral("\n\n") +
                Translate("Lap timing, sessions, setups and the workshop of a motorsport team."));
        break;
    default:
        m_state.RunCommand(command);
        break;
    }
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
    // Each vehicle shows exactly its own setup fields and grid columns; the distance unit decides the
    // captions and shown lengths.
    bool rebuild = !m_setupPagesBuilt;
    const VehicleType vehicle = m_state.Vehicle();
    if (vehicle != VehicleType::None && vehicle != m_setup->Vehicle()) {
        m_setup->SetVehicle(vehicle);
        rebuild = true;
    }
    const bool miles = m_state.Units().Units().distance == Unit::Miles;
    if (miles != m_setup->Miles()) {
        m_setup->ApplyDistanceUnit(miles);
        rebuild = true;
    }
    if (rebuild) {
        m_setupPages->Build();
        m_setupPagesBuilt = true;
    }
}

bool TVorlapaForm::Start() {
    StartupSequence sequence(m_state, *this);
    const bool completed = sequence.Run(m_interactive);
    const WindowGeometry& geometry = m_state.Geometry();
    resize(geometry.formWidth, geometry.formHeight);
    if (geometry.maximized && m_interactive) setWindowState(windowState() | Qt::WindowMaximized);
    LoadTeamLogo();
    Refresh();
    return completed;
}

bool TVorlapaForm::ShowPage(const QString& caption) {
    for (auto it = m_pageSlots.constBegin(); it != m_pageSlots.constEnd(); ++it) {
        const QString english = it.key().section(u'/', -1);
        if (english.compare(caption, Qt::CaseInsensitive) != 0 &&
            Translate(english).compare(caption, Qt::CaseInsensitive) != 0)
            continue;
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
    dialog.exec();
    return dialog.ChosenEntry();
}

void TVorlapaForm::ShowOptions() {
    Prompter& prompter = *m_state.GetServices().prompter;
    OptionsModel model(m_state.Settings(), m_state.Settings().percentForMean, prompter);
    TOptionsDialog dialog(model, prompter, this);
    if (dialog.exec() == QDialog::Accepted) ApplyOptions(model.Accept(), m_state);
}

void TVorlapaForm::CloseSplash() {
    delete m_splash;
    m_splash = nullptr;
}

void TVorlapaForm::closeEvent(QCloseEvent* event) {
    WindowGeometry& geometry = m_state.Geometry();
    geometry.maximized = isMaximized();
    if (!isMaximized()) {
        geometry.formWidth = width();
        geometry.formHeight = height();
    }
    if (m_state.CloseQuery())
        event->accept();
    else
        event->ignore();
}
