#pragma once
// The "Suppliers" and "Order status" pages with their dialogs (supplier, order item, receive wizard).
// Each user event goes to one call of the page model.
#include "events/event.h"

#include <QObject>
#include <functional>
#include <vector>

class OrderStatusPage;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QTreeWidget;
class QWidget;
class SuppliersPage;
class TextGridModel;

class SuppliersPageView : public QObject {
    Q_OBJECT
  public:
    SuppliersPageView(SuppliersPage& page, QWidget* window);
    ~SuppliersPageView() override;
    void Build(QWidget* host);
    void Refresh();

    void AddSupplier();
    void EditSupplier();
    void DeleteSuppliers();

  private:
    std::vector<int> SelectedRows() const;

    SuppliersPage& m_page;
    QWidget* m_window;
    QTableView* m_table = nullptr;
    TextGridModel* m_model = nullptr;
    QPushButton *m_save = nullptr, *m_edit = nullptr, *m_delete = nullptr;
    Connections m_connections; // last: ends first
};

class OrderStatusPageView : public QObject {
    Q_OBJECT
  public:
    OrderStatusPageView(OrderStatusPage& page, QWidget* window);
    ~OrderStatusPageView() override;
    void Build(QWidget* host);
    void Refresh();

    void AddItem();
    void EditItems();
    void DeleteItems();
    // "Purchase order" with the chosen item numbers.
    std::function<void(const std::vector<int>& numbers)> requestPurchaseOrder;

  private:
    std::vector<int> SelectedNumbers() const;
    void InstallRequests();

    OrderStatusPage& m_page;
    QWidget* m_window;
    QTreeWidget* m_tree = nullptr;
    QTableWidget* m_list = nullptr;
    QLabel* m_total = nullptr;
    QPushButton *m_save = nullptr, *m_edit = nullptr, *m_delete = nullptr;
    bool m_refreshing = false;
    Connections m_connections; // last: ends first
};
