#include "live_timing_view.h"

#include "live_timing_panel.h"
#include "pit_panel_dlg.h"
#include "show_time_dlg.h"
#include "timing/live_timing_model.h"

#include <QVBoxLayout>

LiveTimingView::LiveTimingView(LiveTimingModel& model, QWidget* mainWindow, QWidget* host,
                               QWidget* notesPanel)
    : QObject(mainWindow), m_model(model), m_mainWindow(mainWindow) {
    m_panel = new LiveTimingPanel(model, notesPanel, host);
    // A host that brings its own layout (the session page's driver slots area) keeps it.
    auto* layout = qobject_cast<QBoxLayout*>(host->layout());
    if (!layout) {
        layout = new QVBoxLayout(host);
        layout->setContentsMargins(4, 4, 4, 4);
    }
    layout->addWidget(m_panel);
    connect(m_panel, &LiveTimingPanel::aboutToOperate, this, [this] { SyncMainWindow(); });
    for (int i = 1; i <= 4; ++i)
        m_windows[size_t(i - 1)] = new TShowTimeDlg(model, i, mainWindow);
    m_pitPanel = new TPitPanelDlg(model, mainWindow);
    m_redraw = m_model.changed.Connect([this] { RefreshAll(); });
    RefreshAll();
}

void LiveTimingView::RefreshAll() {
    m_panel->Refresh();
    for (TShowTimeDlg* window : m_windows)
        window->Refresh();
    m_pitPanel->Refresh();
}

void LiveTimingView::SyncMainWindow() {
    // The placement rules go by the main window's outer size.
    const QRect frame = m_mainWindow->frameGeometry();
    m_model.SetMainWindowGeometry({frame.left(), frame.top(), frame.width(), frame.height()});
}

void LiveTimingView::RunKey(int slot, LiveTimingAction action) {
    // The key's operation places the time windows by the main window's frame.
    SyncMainWindow();
    switch (action) {
    case LiveTimingAction::Stopwatch:
        m_model.StopwatchPress(slot);
        break;
    case LiveTimingAction::UndoTime:
        m_model.Undo(slot);
        break;
    case LiveTimingAction::StartStop:
        m_model.StartOrStop(slot);
        break;
    case LiveTimingAction::PitInOut:
        m_model.PitInOrOut(slot);
        break;
    }
}

void LiveTimingView::ShowPitPanel() {
    SyncMainWindow();
    m_model.ShowPitPanel();
}

void LiveTimingView::ApplyGeometry(const WindowGeometry& geometry) {
    for (int i = 1; i <= 4; ++i) {
        const WindowGeometry::Rect& r = geometry.timers[size_t(i - 1)];
        m_model.TimeWindow(i).geometry = {r.left, r.top, r.width, r.height};
    }
    WindowRect& panel = m_model.PitPanel().geometry;
    panel.left = geometry.pitPanelLeft;
    panel.top = geometry.pitPanelTop;
}

void LiveTimingView::StoreGeometry(WindowGeometry& geometry) const {
    for (int i = 1; i <= 4; ++i) {
        const WindowRect& g = m_model.TimeWindow(i).geometry;
        WindowGeometry::Rect& r = geometry.timers[size_t(i - 1)];
        r = {g.top, g.left, g.width > 0 ? g.width : r.width, g.height > 0 ? g.height : r.height};
    }
    geometry.pitPanelLeft = m_model.PitPanel().geometry.left;
    geometry.pitPanelTop = m_model.PitPanel().geometry.top;
}
