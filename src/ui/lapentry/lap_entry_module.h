#pragma once
// "Import lap times" (File menu, Ctrl+I) and the lap table's "Enter lap times manually" and "Edit lap
// times": the entry dialog, created once and reused, with the serial download and the UltraLap dialog it
// opens. OK applies the grid to the chosen driver's slot.
#include "events/event.h"
#include "ui/app/page_module.h"

#include <memory>

class TImportManualSessionDialog;
class TSerialDownloadDlg;
class Workspace;

class LapEntryModule : public PageModule {
  public:
    explicit LapEntryModule(Workspace& workspace);
    ~LapEntryModule() override;

    void Build(MainWindowHost& host) override;
    QWidget* ShowWindow(const QString& name) override;

  private:
    void Run();
    TImportManualSessionDialog& Dialog();

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    std::unique_ptr<TImportManualSessionDialog> m_dialog;
    std::unique_ptr<TSerialDownloadDlg> m_shownSerial; // shown without waiting (screenshots)
    Connections m_connections;
};
