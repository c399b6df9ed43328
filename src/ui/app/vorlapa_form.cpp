#include "vorlapa_form.h"

#include "app/team_logo.h"
#include "basic_setup_dialog.h"
#include "calc/jetting_guru_settings.h"
#include "calc/setup_calculators.h"
#include "options_dialog.h"
#include "reports/report_commands.h"
#include "reports/session_report_input.h"
#include "session/session_model.h"
#include "session/setup_model.h"
#include "storage/translate.h"
#include "ui/archive/archive_page_view.h"
#include "ui/session/active_session_pages.h"
#include "ui/session/setup_page_builder.h"
#include "ui/timing/live_timing_host.h"
#include "ui/timing/live_timing_view.h"
#include "ui/tracks/tracks_page_view.h"
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
    BuildSessionPages();
    BuildLiveTiming();
    m_tracksPages = new TracksPageView(m_state, this);
    QHash<QString, QWidget*> trackHosts;
    for (const QString& caption : QStringList{"Track map", "Contact details", "Movie"}) {
        const PageSlot slot = m_pageSlots.value(QStringLiteral("Tracks/") + caption);
        if (slot.tabs) trackHosts.insert(caption, slot.tabs->widget(slot.index));
    }
    const PageSlot tracks = m_pageSlots.value(QStringLiteral("Tracks"));
    if (tracks.tabs) m_tracksPages->Build(tracks.tabs, tracks.index, trackHosts);
    BuildMenu();
    const PageSlot archive = m_pageSlots.value(QStringLiteral("Sessions/Completed"));
    m_archivePage = new ArchivePageView(m_state, archive.tabs->widget(archive.index),
                                        [this](MenuCommand command) { return Action(command); });
    ConnectSession();

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
    // The gearing page is the gearing calculator, built apart from the field pages.
    QWidget* gearingHost = hosts.take(QStringLiteral("Gearing"));
    BuildCalculatorPages(hosts.value(QStringLiteral("Engine")), gearingHost);
    m_setupPages->SetHosts(hosts);
    // Every setup edit marks "Setup" and the sub-page it was made on.
    m_setup->markedChanged = [this] { m_state.Changes().SetupIsDirty(m_setupPages->EditingPage()); };
}

void TVorlapaForm::BuildSessionPages() {
    m_session = std::make_unique<SessionModel>(m_state, *m_setup);
    m_sessionPages = new ActiveSessionPages(*m_session, m_state, this);
    QHash<QString, QWidget*> hosts;
    for (const QString& path :
         {QStringLiteral("Active session/General"), QStringLiteral("Active session/Tires"),
          QStringLiteral("Active session/Vehicle"), QStringLiteral("Active session/Pit Stops"),
          QStringLiteral("General notes")}) {
        const PageSlot slot = m_pageSlots.value(path);
        hosts.insert(path.section(u'/', -1), slot.tabs->widget(slot.index));
    }
    m_sessionPages->SetHosts(hosts);
    m_session->changed = [this] {
        m_sessionPages->Reload();
        if (auto* status = findChild<QLabel*>(QStringLiteral("statusMessage")))
            status->setText(m_session->StatusText());
    };
    // A loaded setup is shown on the setup pages.
    m_session->loaded = [this] { m_setupPages->Reload(); };
    m_state.SetSessionActions({[this] { return m_session->SaveSessionWithDialog(); },
                               [this] { m_session->OpenSession(); },
                               [this](const QString& path) { m_session->LoadSession(path); }});
}

TVorlapaForm::~TVorlapaForm() {
    m_state.SetSessionActions({});
    m_session->changed = {};
    m_session->loaded = {};
    m_session->collectLapData = {};
    m_session->applyLapData = {};
    m_session->saved = {};
    m_session->offerRecent = {};
    m_session->trackSelected = {};
    m_tracksPages->Model().SetOnTrackNamesChanged({});
    qApp->removeEventFilter(this);
    m_liveTiming.reset();
    m_state.SetChangeListener({});
    m_state.Changes().onCaptionChanged = {};
    m_state.Changes().onSaveButtonChanged = {};
    // The pages go before the setup model: an editor still open writes into the model as it closes.
    m_setup->markedChanged = {};
    CloseCalculators();
    delete m_pages;
}

void TVorlapaForm::BuildLiveTiming() {
    // The driver slots go into their area of the "General" page; the session notes panel takes the room
    // of slots 2 to 4 while "Show all drivers" is off.
    m_sessionPages->Build();
    m_liveTiming = std::make_unique<LiveTimingHost>(m_state, this, m_sessionPages->DriverSlotsArea(),
                                                    m_sessionPages->SessionNotesPanel());
}

LiveTimingModel& TVorlapaForm::LiveTiming() {
    return m_liveTiming->Model();
}

LiveTimingView* TVorlapaForm::LiveTimingWindows() const {
    return m_liveTiming->View();
}

void TVorlapaForm::RestoreTimingJournal() {
    m_liveTiming->RestoreJournal();
}

void TVorlapaForm::OfferJournalRestore() {
    if (m_interactive) RestoreTimingJournal();
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

void TVorlapaForm::ExportReport(bool session) {
    const Services& services = m_state.GetServices();
    if (!services.prompter || !services.shell) return;
    ReportLogo logo;
    if (!m_teamLogo->Picture().isNull())
        logo = {m_state.Settings().logotype, m_teamLogo->PictureRect().width(),
                m_teamLogo->PictureRect().height()};
    const ReportContext context =
        MainWindowReportContext(m_state, WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR), logo);
    ReportSource source =
        CurrentSessionSource(*m_session, *m_setup, m_state, [this] { return SessionTrackLength(); });
    // The setup report shows the gearing page's mode, which is no part of the setup.
    source.setup = [this, setup = source.setup] {
        SetupReportInput input = setup();
        input.gearCalcMode = m_calculators->Gearing().Mode();
        return input;
    };
    ReportExporter exporter(*services.prompter, *services.shell);
    if (session)
        exporter.ExportSession(context, source, true);
    else
        exporter.ExportSetup(context, source, true);
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
    case MenuCommand::ExportSetup:
        ExportReport(false);
        break;
    case MenuCommand::ExportSession:
        ExportReport(true);
        break;
    case MenuCommand::PitCrewPanel:
        m_liveTiming->View()->ShowPitPanel();
        break;
    case MenuCommand::HelpAbout:
        QMessageBox::about(
            this, Translate("About..."),
            WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR) + QStringLiteral("\n\n") +
                Translate("Lap timing, sessions, setups and the workshop of a motorsport team."));
        break;
    case MenuCommand::OpenSetupFromSession:
        OpenSetupFromSession();
        break;
    case MenuCommand::JettingGuru:
        ShowJettingGuru(true);
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
        SetupReloaded();
    }
    // A setup sub-page with nothing for the vehicle ("Detailed settings" of a kart or car) is hidden.
    for (auto it = m_pageSlots.constBegin(); it != m_pageSlots.constEnd(); ++it) {
        const QStringList path = it.key().split(u'/');
        if (path.size() >= 2 && path.first() == u"Setup" && SetupSubPages().contains(path.last()) &&
            !m_setup->HasSubPage(path.last()))
            it->tabs->setTabVisible(it->index, false);
    }
    m_sessionPages->Sync();
}

bool TVorlapaForm::Start() {
    StartupSequence sequence(m_state, *this);
    const bool completed = sequence.Run(m_interactive);
    const WindowGeometry& geometry = m_state.Geometry();
    resize(geometry.formWidth, geometry.formHeight);
    if (geometry.maximized && m_interactive) setWindowState(windowState() | Qt::WindowMaximized);
    LoadTeamLogo();
    // The guru keeps its values from the settings file for the whole run.
    m_jettingGuru->SetSettings(JettingSettingsFrom(m_state.Settings()));
    m_liveTiming->Started();
    Refresh();
    return completed;
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
    dialog.exec();
    return dialog.ChosenEntry();
}

void TVorlapaForm::ShowOptions() {
    Prompter& prompter = *m_state.GetServices().prompter;
    OptionsModel model(m_state.Settings(), m_state.Settings().percentForMean, prompter);
    TOptionsDialog dialog(model, prompter, this);
    if (dialog.exec() == QDialog::Accepted) {
        ApplyOptions(model.Accept(), m_state);
        m_session->ApplyOptions();
        m_session->CalcRAD();
        if (m_liveTiming) m_liveTiming->ApplySettings();
    }
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
    m_liveTiming->Closing();
    if (!m_state.CloseQuery()) {
        event->ignore();
        return;
    }
    m_liveTiming->Closed();
    event->accept();
}
