#pragma once
// Builds the controls of the setup sub-pages from the setup field tables for the setup model's vehicle:
// labelled entry fields, history boxes, choices, check boxes and memos in one group box per table group,
// and the grids as tables. The controls show the model's values and forward every user edit to it.
#include "session/setup_model.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class Prompter;
class QTableView;
class QWidget;
class SettingsStore;
class SetupGridModel;

class SetupPageBuilder : public QObject {
    Q_OBJECT
  public:
    SetupPageBuilder(SetupModel& setup, SettingsStore* settings, Prompter* prompter,
                     QObject* parent = nullptr);

    // The sub-page widgets to fill, by English caption ("Basic settings", "Engine", ...).
    void SetHosts(const QHash<QString, QWidget*>& hosts) { m_hosts = hosts; }
    // Throws away the controls and builds them anew for the model's vehicle.
    void Build();
    // Shows the model's values again (after a load or a new setup).
    void Reload();

    // The sub-page a field or grid of the tables is shown on: its own page when that is a sub-page,
    // else the first sub-page of its area ("Suspension" -> "Basic settings").
    static QString SubPageOf(const QString& page, SetupArea area);
    // Writes a grid cell edit in progress into the setup and closes its editor.
    void CommitCellEdits();

    QWidget* FieldWidget(const QString& section, const QString& key) const;
    QTableView* GridView(GridId grid) const;
    // Called after each forwarded edit (the window refreshes what depends on the setup).
    std::function<void()> edited;

  private:
    struct FieldControl {
        int index;
        QPointer<QWidget> widget;
    };
    QWidget* BuildPage(const QString& subPage);
    QWidget* MakeFieldControl(int index, const QString& subPage, QWidget* parent);
    QWidget* MakeGrid(GridId grid, const QString& subPage, QWidget* parent);
    void ShowField(const FieldControl& control);
    void Forward(const QString& subPage, const std::function<void()>& change);
    void ReloadGrids();
    void FitColumns(QTableView* view) const;

    SetupModel& m_setup;
    SettingsStore* m_settings;
    Prompter* m_prompter;
    QHash<QString, QWidget*> m_hosts;
    QHash<QString, QPointer<QWidget>> m_built; // sub-page -> its scroll area
    std::vector<FieldControl> m_fields;
    QHash<int, QPointer<QTableView>> m_grids; // by GridId
    QHash<int, QPointer<SetupGridModel>> m_gridModels;
    bool m_showing = false; // values are being shown, not edited
};
