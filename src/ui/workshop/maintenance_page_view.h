#pragma once
// The "Maintenance Log" page: its tool bar and group total above the sub-pages "Report", "Selected
// items" and one page per group with its item tool bar and grid. The controls show the MaintenancePage
// model and forward each user event to it.
#include "events/event.h"
#include "workshop/maintenance_page.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTableView;
class QWidget;
class TextGridModel;

class MaintenancePageView : public QObject {
    Q_OBJECT
  public:
    explicit MaintenancePageView(MaintenancePage& model, QObject* parent = nullptr);
    ~MaintenancePageView() override;

    MaintenancePage& Model() { return m_model; }

    // Puts the tool bar above the sub-pages of the "Maintenance Log" page (tab `index` of `pages`) and
    // fills its "Report" page.
    void Build(QTabWidget* pages, int index, QWidget* reportHost);

    // The controls, for tests.
    QPushButton* Button(const QString& name) const { return m_buttons.value(name); }
    QTabWidget* SubPages() const { return m_subPages; }
    QTableView* GroupTable(int group) const;
    QTableView* SelectedTable() const { return m_selectedTable; }
    QListWidget* GroupList() const { return m_groupList; }
    QListWidget* SupplierList() const { return m_supplierList; }
    QCheckBox* AllGroups() const { return m_allGroups; }
    QCheckBox* AllSuppliers() const { return m_allSuppliers; }
    QCheckBox* UseAllDates() const { return m_useAllDates; }
    QLineEdit* TotalCost() const { return m_total; }
    QLabel* GroupTotal() const { return m_groupTotal; }

  private:
    QWidget* BuildHeader(QWidget* parent);
    void BuildReport(QWidget* host);
    QWidget* BuildGroupPage(int group);
    QPushButton* MakeButton(const QString& name, const char* caption, QWidget* parent);
    void RebuildGroupPages();
    void RefillLists();
    void Refresh();

    MaintenancePage& m_model;
    QPointer<QTabWidget> m_subPages;
    QHash<QString, QPushButton*> m_buttons;
    QLabel* m_groupTotal = nullptr;
    QListWidget* m_groupList = nullptr;
    QListWidget* m_supplierList = nullptr;
    QCheckBox* m_allGroups = nullptr;
    QCheckBox* m_allSuppliers = nullptr;
    QCheckBox* m_useAllDates = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLineEdit* m_total = nullptr;
    QTableView* m_selectedTable = nullptr;
    TextGridModel* m_selectedModel = nullptr;
    struct GroupPage {
        QPointer<QWidget> page;
        QTableView* table = nullptr;
        TextGridModel* model = nullptr;
        QHash<QString, QPushButton*> buttons;
    };
    std::vector<GroupPage> m_groupPages;
    bool m_refreshing = false;
    bool m_built = false;
    Connections m_connections;
};
