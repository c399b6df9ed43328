#include "lap_entry_module.h"

#include "storage/translate.h"
#include "ui/lapentry/lap_entry_dialog.h"
#include "ui/lapentry/serial_download_dialog.h"
#include "ui/lapentry/ultralap_dialog.h"
#include "workspace/workspace.h"

LapEntryModule::LapEntryModule(Workspace& workspace) : m_workspace(workspace) {
}
LapEntryModule::~LapEntryModule() {
    // The workspace outlives the window: its requests must not call into this module afterwards.
    m_workspace.LiveTiming().requestEnterLapTimes = nullptr;
    m_workspace.LiveTiming().requestEditLapTimes = nullptr;
    m_workspace.LapEntry().requestSerialDownload = nullptr;
    m_workspace.LapEntry().requestUltralapChoice = nullptr;
}

void LapEntryModule::Build(MainWindowHost& host) {
    m_host = &host;
    AppState& state = m_workspace.State();
    LapEntryModel& entry = m_workspace.LapEntry();
    m_connections += state.Commands().Set(MenuCommand::ImportLapTimes, [this] {
        m_workspace.LapEntry().PrepareFromMenu();
        Run();
    });
    LiveTimingModel& live = m_workspace.LiveTiming();
    live.requestEnterLapTimes = [this](int slot) {
        m_workspace.LapEntry().PrepareEnterManually(slot);
        Run();
    };
    live.requestEditLapTimes = [this](int slot) {
        if (m_workspace.LapEntry().PrepareEdit(slot)) Run();
    };
    entry.requestSerialDownload = [this]() -> std::optional<QStringList> {
        LapEntryModel& model = m_workspace.LapEntry();
        TSerialDownloadDlg serial(SerialDownload::AvailablePorts(), model.LastSerialPort(), m_host->Window());
        if (serial.exec() != QDialog::Accepted) return std::nullopt;
        model.SetLastSerialPort(serial.Download().PortName());
        return serial.Download().Assembler().Lines();
    };
    entry.requestUltralapChoice = [this]() -> std::optional<UltralapChoice> {
        Prompter* prompter = m_workspace.State().GetServices().prompter;
        if (!prompter) return std::nullopt;
        TImportUltralapFileDlg dialog(*prompter, m_workspace.LapEntry().LastFolder(), m_host->Window());
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Choice();
    };
}

TImportManualSessionDialog& LapEntryModule::Dialog() {
    if (!m_dialog)
        m_dialog = std::make_unique<TImportManualSessionDialog>(m_workspace.LapEntry(), m_host->Window());
    return *m_dialog;
}

void LapEntryModule::Run() {
    TImportManualSessionDialog& dialog = Dialog();
    dialog.Load();
    if (dialog.exec() == QDialog::Accepted) m_workspace.LapEntry().Apply();
}

QWidget* LapEntryModule::ShowWindow(const QString& name) {
    if (name.compare(QStringLiteral("Import lap times"), Qt::CaseInsensitive) == 0) {
        m_workspace.LapEntry().PrepareFromMenu();
        TImportManualSessionDialog& dialog = Dialog();
        dialog.Load();
        dialog.show();
        return &dialog;
    }
    if (name.compare(QStringLiteral("Serial Download"), Qt::CaseInsensitive) == 0) {
        m_shownSerial = std::make_unique<TSerialDownloadDlg>(
            SerialDownload::AvailablePorts(), m_workspace.LapEntry().LastSerialPort(), m_host->Window());
        m_shownSerial->show();
        return m_shownSerial.get();
    }
    return nullptr;
}
