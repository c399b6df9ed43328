#pragma once
// Everything on screen of the live timing: the page's panel, the four time windows and the pit crew
// panel. It redraws them all whenever the live timing reports a change, hands the main window's place
// to the placement rules before each operation and carries the windows' geometry to and from the store.
#include "app/main_window_keys.h"
#include "app/window_geometry.h"
#include "events/event.h"

#include <QObject>
#include <array>

class LiveTimingModel;
class LiveTimingPanel;
class QWidget;
class TPitPanelDlg;
class TShowTimeDlg;

class LiveTimingView : public QObject {
    Q_OBJECT
  public:
    // The panel goes into host (which gets a layout); the windows belong to mainWindow, so the keys
    // pressed in them reach it.
    LiveTimingView(LiveTimingModel& model, QWidget* mainWindow, QWidget* host, QWidget* notesPanel);

    void RefreshAll();
    // F5..F8 with their modifiers, as the main window's key table names them.
    void RunKey(int slot, LiveTimingAction action);
    void ShowPitPanel();

    void ApplyGeometry(const WindowGeometry& geometry);
    void StoreGeometry(WindowGeometry& geometry) const;

    LiveTimingPanel* Panel() const { return m_panel; }
    TShowTimeDlg* TimeWindow(int slot) const { return m_windows.at(size_t(slot - 1)); }
    TPitPanelDlg* PitPanel() const { return m_pitPanel; }

  private:
    void SyncMainWindow();

    LiveTimingModel& m_model;
    QWidget* m_mainWindow;
    LiveTimingPanel* m_panel = nullptr;
    std::array<TShowTimeDlg*, 4> m_windows{};
    TPitPanelDlg* m_pitPanel = nullptr;
    Connection m_redraw;
};
