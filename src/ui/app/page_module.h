#pragma once
// One subsystem on screen: its pages, its windows and the menu commands it carries out. The main window
// builds the page tree, then lets every module fill its pages; after each change it refreshes them all.
// A module shows the workspace's models and forwards user events to them; it owns no model.
#include "app/main_window_layout.h"

#include <QString>

class QAction;
class QTabWidget;
class QWidget;
class TeamLogoView;

// What the main window offers its modules.
class MainWindowHost {
  public:
    virtual ~MainWindowHost() = default;
    // The (empty) page of a path of English captions ("Setup/Engine", "General notes").
    virtual QWidget* PageHost(const QString& path) const = 0;
    // The tab widget holding a page and the page's index in it (for pages that put controls above
    // their sub-pages).
    virtual QTabWidget* PageTabs(const QString& path, int* index) const = 0;
    // Hides a page the current vehicle has nothing for (after the window's own visibility rules).
    virtual void HidePage(const QString& path) = 0;
    virtual bool ShowPage(const QString& path) = 0;
    virtual QAction* Action(MenuCommand command) const = 0;
    // The window itself: the parent of dialogs and always-on-top windows.
    virtual QWidget* Window() = 0;
    // The status bar's first field.
    virtual void ShowStatusMessage(const QString& text) = 0;
    // A save button of a data area (ids in SaveButton): enabled while its area is changed.
    virtual void RegisterSaveButton(const QString& buttonId, QWidget* button) = 0;
    virtual TeamLogoView* TeamLogo() const = 0;
    // Whether the window may ask the user (not while taking a screenshot).
    virtual bool Interactive() const = 0;
};

class PageModule {
  public:
    virtual ~PageModule() = default;
    // Fills the module's pages and puts its commands into the command table. Called once, in the order
    // the modules are listed.
    virtual void Build(MainWindowHost& host) = 0;
    // After every change the window shows (vehicle, units, change flags, a command run).
    virtual void Refresh() {}
    // After start-up read the settings and loaded the lists.
    virtual void Started() {}
    // The window is about to close (before the unsaved-changes questions): window places are kept.
    virtual void Closing() {}
    // Opens one of the module's windows by name, without waiting for it; nullptr when it has none of
    // that name. For screenshots and tests.
    virtual QWidget* ShowWindow(const QString& name) {
        (void)name;
        return nullptr;
    }
};
