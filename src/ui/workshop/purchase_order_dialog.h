#pragma once
// "Export purchase order": page 1 the telefax details (and, in stock mode, the stock groups and
// suppliers to order for), page 2 the order table built by "Next", its total cost and "Include price
// column". OK hands the table to the model, which checks it, updates the order status and writes the
// document; the dialog stays open when the model refuses the lines.
#include "reports/report_context.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <vector>

class PurchaseOrderModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

class TExportPurchaseOrderDlg : public QDialog {
  public:
    TExportPurchaseOrderDlg(PurchaseOrderModel& model, std::function<ReportContext()> context,
                            QWidget* parent);

    QLineEdit* Sender() const { return m_sender; }
    QPlainTextEdit* FreeText() const { return m_freeText; }
    QListWidget* Groups() const { return m_groups; }
    QListWidget* Suppliers() const { return m_suppliers; }
    QTableWidget* Lines() const { return m_lines; }
    QLabel* TotalCost() const { return m_total; }
    QCheckBox* IncludePrice() const { return m_includePrice; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* OkButton() const { return m_ok; }
    void NextClick();
    void OkClick();
    QList<QStringList> TableLines() const;

    void reject() override;

  private:
    QWidget* BuildDetailsPage();
    QWidget* BuildLinesPage();
    void TakeSender();
    void ShowTotal();

    PurchaseOrderModel& m_model;
    std::function<ReportContext()> m_context;
    QStackedWidget* m_pages = nullptr;
    QLineEdit* m_sender = nullptr;
    QPlainTextEdit* m_freeText = nullptr;
    QPlainTextEdit* m_billing = nullptr;
    QPlainTextEdit* m_delivery = nullptr;
    QCheckBox* m_english = nullptr;
    QListWidget* m_groups = nullptr;
    QListWidget* m_suppliers = nullptr;
    QTableWidget* m_lines = nullptr;
    QLabel* m_total = nullptr;
    QCheckBox* m_includePrice = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_filling = false;
};

class MainWindowHost;
class Workspace;
enum class PurchaseOrderMode;

// The report context of the document, with the team logo the window shows.
std::function<ReportContext()> PurchaseOrderContext(Workspace& workspace, MainWindowHost& host);
// Runs the dialog in a mode: the order item numbers (orders mode) or the rows of the active part status
// group (parts mode) it starts from.
void RunPurchaseOrder(Workspace& workspace, MainWindowHost& host, PurchaseOrderMode mode,
                      const std::vector<int>& chosen = {});
