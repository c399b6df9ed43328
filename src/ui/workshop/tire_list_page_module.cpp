#include "tire_list_page_module.h"

#include "app/change_tracker.h"
#include "app/main_window_layout.h"
#include "print_labels_dialog.h"
#include "printing/paint_label_printer.h"
#include "reports/list_exports.h"
#include "reports/report_commands.h"
#include "storage/translate.h"
#include "tire_dialogs.h"
#include "tire_list_page_view.h"
#include "ui/widgets/team_logo_view.h"
#include "workshop/tire_labels.h"
#include "workspace/workspace.h"

#include <QLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

TireListPageModule::TireListPageModule(Workspace& workspace) : m_workspace(workspace) {
}

TireListPageModule::~TireListPageModule() {
    TireListPage& tires = m_workspace.TireList();
    tires.requestTireDialog = {};
    tires.requestHistoryDialog = {};
    tires.requestSessionDialog = {};
    tires.requestCircumferenceDialog = {};
}

void TireListPageModule::Build(MainWindowHost& host) {
    m_host = &host;
    TireListPage& tires = m_workspace.TireList();
    QWidget* window = host.Window();
    Prompter& prompter = *m_workspace.State().GetServices().prompter;
    if (QWidget* page = host.PageHost(QStringLiteral("Setup/Tires/Tire list"))) {
        m_view = std::make_unique<TireListPageView>(tires, window);
        m_view->Build(page);
        m_view->exportTags = [this] { ExportTags(); };
        m_view->printLabels = [this] { PrintLabels(); };
        if (auto* save = page->findChild<QPushButton*>(QStringLiteral("TireListSave")))
            host.RegisterSaveButton(SaveButton::TireList, save);
    }
    // The setup page's tire table is brought up to date from the inventory on request.
    if (QWidget* current = host.PageHost(QStringLiteral("Setup/Tires/Current setup"))) {
        auto* update = new QPushButton(Translate("Update from tire database"));
        QObject::connect(update, &QPushButton::clicked, [&tires] { tires.SyncSetupTires(); });
        if (!current->layout()) new QVBoxLayout(current);
        current->layout()->addWidget(update);
        current->layout()->setAlignment(update, Qt::AlignLeft);
    }
    // Beside the circumferences measured after the session (karts and cars): write them into the list.
    if (QWidget* sessionTires = host.PageHost(QStringLiteral("Active session/Tires"))) {
        m_updateTireList = new QPushButton(Translate("Update tire list"));
        QObject::connect(m_updateTireList, &QPushButton::clicked, [this] {
            const SessionModel& session = m_workspace.Session();
            const auto measured = [&session](const char* wheel) {
                return session.Text(QStringLiteral("session_notes"),
                                    QLatin1String(wheel) + QStringLiteral("_circumference"));
            };
            m_workspace.TireList().UpdateTireCircumferenceWithDialog(measured("fl"), measured("fr"),
                                                                     measured("rl"), measured("rr"));
        });
        if (!sessionTires->layout()) new QVBoxLayout(sessionTires);
        sessionTires->layout()->addWidget(m_updateTireList);
        sessionTires->layout()->setAlignment(m_updateTireList, Qt::AlignLeft);
    }
    tires.requestTireDialog = [&prompter,
                               window](const TireDialogRequest& request) -> std::optional<TireDialogValues> {
        TAddEditTireDlg dialog(request, prompter, window);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Values();
    };
    tires.requestHistoryDialog =
        [this, window](const TireHistoryRequest& request) -> std::optional<TireHistoryValues> {
        TUpdateTireHistoryDlg dialog(request, m_workspace.LiveTiming().DriverNameList(),
                                     m_workspace.Tracks().TrackNames(), {}, window);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Values();
    };
    tires.requestSessionDialog =
        [this, window](const SessionTireDialogValues& preset) -> std::optional<SessionTireDialogValues> {
        if (!m_host || !m_host->Interactive()) return std::nullopt;
        TSessionToTireHistoryDlg dialog(preset, m_workspace.LiveTiming().DriverNameList(), window);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Values();
    };
    tires.requestCircumferenceDialog =
        [&tires,
         window](const QList<TireCircumferenceLine>& lines) -> std::optional<QList<TireCircumferenceLine>> {
        TUpdateTireCircDlg dialog(lines, tires.Miles(), window);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Values();
    };
}

void TireListPageModule::Refresh() {
    if (m_view) m_view->Refresh();
    if (m_updateTireList) m_updateTireList->setVisible(ShowsCircumference(m_workspace.TireList().Vehicle()));
}

QWidget* TireListPageModule::ShowWindow(const QString& name) {
    TireListPage& tires = m_workspace.TireList();
    QWidget* window = m_host ? m_host->Window() : nullptr;
    Prompter& prompter = *m_workspace.State().GetServices().prompter;
    QDialog* dialog = nullptr;
    if (name == u"Add/Edit Tire") {
        const TireDialogRequest request{TireDialogMode::Add,
                                        NewTireValues(tires.Today()),
                                        ShowsCircumference(tires.Vehicle()),
                                        tires.Miles(),
                                        {}};
        dialog = new TAddEditTireDlg(request, prompter, window);
    } else if (name == u"Update Tire History") {
        TireHistoryRequest request;
        request.preset.date = tires.Today();
        request.preset.tires = {{QStringLiteral("A1"), QStringLiteral("FL"), QStringLiteral("Normal")}};
        dialog = new TUpdateTireHistoryDlg(request, m_workspace.LiveTiming().DriverNameList(),
                                           m_workspace.Tracks().TrackNames(), {}, window);
    } else if (name == u"Update Tire Circumference") {
        dialog = new TUpdateTireCircDlg({{Translate("Front Left"), {}, {}},
                                         {Translate("Front Right"), {}, {}},
                                         {Translate("Rear Left"), {}, {}},
                                         {Translate("Rear Right"), {}, {}}},
                                        tires.Miles(), window);
    }
    if (!dialog) return nullptr;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

void TireListPageModule::ExportTags() {
    AppState& state = m_workspace.State();
    const Services& services = state.GetServices();
    if (!services.prompter || !services.shell) return;
    ReportLogo logo;
    const TeamLogoView* teamLogo = m_host->TeamLogo();
    if (teamLogo && !teamLogo->Picture().isNull())
        logo = {state.Settings().logotype, teamLogo->PictureRect().width(), teamLogo->PictureRect().height()};
    const ReportContext context =
        MainWindowReportContext(state, WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR), logo);
    const TireListPage& tires = m_workspace.TireList();
    ListExports(*services.prompter, *services.shell)
        .ExportTireTags(context, tires.ExportedTires(), tires.Vehicle(), tires.Miles());
}

void TireListPageModule::PrintLabels() {
    AppState& state = m_workspace.State();
    Prompter* prompter = state.GetServices().prompter;
    if (!prompter) return;
    const TireListPage& tires = m_workspace.TireList();
    const std::vector<TireRecord> chosen = tires.ExportedTires();
    if (chosen.empty()) {
        prompter->ShowError(Translate("No tires selected!"));
        return;
    }
    ProgramSettings& settings = state.Settings();
    LabelLayout stored;
    stored.millimetres = settings.systemUnit != QLatin1String("US Standard") &&
                         settings.systemUnit != QLatin1String("Imperial Standard");
    stored.labelWidth = settings.labelWidthMm;
    stored.labelHeight = settings.labelHeightMm;
    stored.leftIndent = settings.labelIndentLeft;
    stored.topIndent = settings.labelIndentTop;
    stored.columns = settings.labelColumns;
    stored.fontName = settings.labelFontName;
    stored.fontSize = settings.labelFontSize;
    const auto choice = AskPrintLabels(m_host->Window(), *prompter, stored);
    if (!choice) return;
    // The layout chosen is kept for the next labels (written with the settings).
    settings.labelWidthMm = choice->layout.labelWidth;
    settings.labelHeightMm = choice->layout.labelHeight;
    settings.labelIndentLeft = choice->layout.leftIndent;
    settings.labelIndentTop = choice->layout.topIndent;
    settings.labelColumns = choice->layout.columns;
    settings.labelFontName = choice->layout.fontName;
    settings.labelFontSize = choice->layout.fontSize;

    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog printDialog(&printer, m_host->Window());
    if (printDialog.exec() != QDialog::Accepted) return;
    PaintLabelPrinter back(printer);
    TPrtLabels labels(back);
    if (!labels.BeginJob(choice->layout)) {
        prompter->ShowError(Translate("The printer cannot start printing."));
        return;
    }
    for (const TireRecord& tire : chosen) {
        QStringList lines = TireLabelFront(tire, tires.Vehicle(), tires.Miles());
        if (choice->includeHistory) lines << TireLabelHistory(tire);
        labels.AddLabel(lines);
    }
    labels.EndJob();
}
