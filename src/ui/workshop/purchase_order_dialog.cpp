#include "purchase_order_dialog.h"

#include "app/main_window_layout.h"
#include "reports/report_commands.h"
#include "storage/translate.h"
#include "ui/app/page_module.h"
#include "ui/widgets/grid_column_widths.h"
#include "ui/widgets/team_logo_view.h"
#include "workspace/purchase_order_model.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The "Supplier" cells: a drop-down of the supplier names that also takes a typed name.
class SupplierDelegate : public QStyledItemDelegate {
  public:
    SupplierDelegate(QStringList names, QObject* parent)
        : QStyledItemDelegate(parent), m_names(std::move(names)) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->addItems(m_names);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }

  private:
    QStringList m_names;
};

QStringList TextLines(const QPlainTextEdit* edit) {
    const QString text = edit->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// A check list with an "all" box above it; the box follows the entries (partly ticked in between).
QListWidget* CheckList(const QString& title, const QStringList& entries, QLayout* into) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    auto* all = new QCheckBox(Translate("all"), box);
    all->setTristate(true);
    auto* list = new QListWidget(box);
    for (const QString& entry : entries) {
        auto* item = new QListWidgetItem(entry, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    all->setCheckState(entries.isEmpty() ? Qt::Unchecked : Qt::Checked);
    QObject::connect(all, &QCheckBox::clicked, list, [all, list] {
        if (all->checkState() == Qt::PartiallyChecked) all->setCheckState(Qt::Checked);
        const QSignalBlocker block(list);
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(all->checkState());
    });
    QObject::connect(list, &QListWidget::itemChanged, all, [all, list] {
        int ticked = 0;
        for (int i = 0; i < list->count(); ++i)
            ticked += list->item(i)->checkState() == Qt::Checked;
        all->setCheckState(ticked == 0               ? Qt::Unchecked
                           : ticked == list->count() ? Qt::Checked
                                                     : Qt::PartiallyChecked);
    });
    layout->addWidget(all);
    layout->addWidget(list);
    into->addWidget(box);
    return list;
}

QStringList Ticked(const QListWidget* list) {
    QStringList names;
    if (!list) return names;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked) names << list->item(i)->text();
    return names;
}

} // namespace

TExportPurchaseOrderDlg::TExportPurchaseOrderDlg(PurchaseOrderModel& model,
                                                 std::function<ReportContext()> context, QWidget* parent)
    : QDialog(parent), m_model(model), m_context(std::move(context)) {
    setObjectName(QStringLiteral("ExportPurchaseOrder"));
    setWindowTitle(Translate("Export purchase order"));
    auto* layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(BuildDetailsPage());
    m_pages->addWidget(BuildLinesPage());
    layout->addWidget(m_pages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_next = new QPushButton(Translate("Next"), this);
    m_ok = new QPushButton(Translate("OK"), this);
    m_ok->setEnabled(false);
    auto* cancel = new QPushButton(Translate("Cancel"), this);
    buttons->addWidget(m_next);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_next, &QPushButton::clicked, this, [this] { NextClick(); });
    connect(m_ok, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    resize(760, 560);
}

QWidget* TExportPurchaseOrderDlg::BuildDetailsPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* details = new QGroupBox(Translate("Telefax details"), page);
    auto* form = new QFormLayout(details);
    m_sender = new QLineEdit(m_model.sender, details);
    form->addRow(Translate("Name of sender"), m_sender);
    m_freeText = new QPlainTextEdit(m_model.freeText.join(QLatin1Char('\n')), details);
    form->addRow(Translate("Free text"), m_freeText);
    m_billing = new QPlainTextEdit(m_model.billing.join(QLatin1Char('\n')), details);
    form->addRow(Translate("Billing address"), m_billing);
    m_delivery = new QPlainTextEdit(m_model.delivery.join(QLatin1Char('\n')), details);
    form->addRow(Translate("Delivery address"), m_delivery);
    m_english = new QCheckBox(Translate("Keep telefax text in English"), details);
    m_english->setChecked(m_model.english);
    form->addRow(m_english);
    layout->addWidget(details, 1);
    if (m_model.Mode() == PurchaseOrderMode::Stock) {
        auto* criteria = new QGroupBox(Translate("Selection criterias"), page);
        auto* lists = new QVBoxLayout(criteria);
        m_groups = CheckList(Translate("Groups"), m_model.StockGroups(), lists);
        m_suppliers = CheckList(Translate("Suppliers"), m_model.Suppliers(), lists);
        layout->addWidget(criteria, 1);
    }
    return page;
}

QWidget* TExportPurchaseOrderDlg::BuildLinesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* note =
        new QLabel(Translate("Here are all parts you need to order. To change supplier just select a "
                             "new one from the list, to remove a part from the order just set its "
                             "quantity to 0."),
                   page);
    note->setWordWrap(true);
    layout->addWidget(note);
    m_lines = new QTableWidget(0, kPurchaseOrderColumns, page);
    m_lines->setObjectName(QStringLiteral("OrderLines"));
    m_lines->setHorizontalHeaderLabels({Translate("Location"), Translate("Part No."), Translate("Name"),
                                        Translate("Qty"), Translate("Req. Qty"), Translate("Price/pcs"),
                                        Translate("Supplier"), Translate("Remark")});
    const int widths[kPurchaseOrderColumns] = {100, 100, 150, 40, 0, 50, 120, 120};
    for (int column = 0; column < kPurchaseOrderColumns; ++column)
        SetColumnWidthAtLeastCaption(*m_lines, column, widths[column]);
    m_lines->setColumnHidden(po_col::ReqQty, true);
    m_lines->horizontalHeader()->setSectionResizeMode(po_col::Name, QHeaderView::Stretch);
    m_lines->verticalHeader()->setDefaultSectionSize(20);
    m_lines->setItemDelegateForColumn(po_col::Supplier, new SupplierDelegate(m_model.Suppliers(), m_lines));
    connect(m_lines, &QTableWidget::cellChanged, this, [this](int, int column) {
        if (!m_filling && (column == po_col::Qty || column == po_col::Price)) ShowTotal();
    });
    layout->addWidget(m_lines, 1);
    auto* bottom = new QHBoxLayout;
    m_includePrice = new QCheckBox(Translate("Include price column"), page);
    bottom->addWidget(m_includePrice);
    bottom->addStretch(1);
    bottom->addWidget(new QLabel(Translate("Total cost"), page));
    m_total = new QLabel(page);
    m_total->setObjectName(QStringLiteral("TotalCost"));
    bottom->addWidget(m_total);
    layout->addLayout(bottom);
    return page;
}

void TExportPurchaseOrderDlg::TakeSender() {
    m_model.sender = m_sender->text();
    m_model.freeText = TextLines(m_freeText);
    m_model.billing = TextLines(m_billing);
    m_model.delivery = TextLines(m_delivery);
    m_model.english = m_english->isChecked();
}

QList<QStringList> TExportPurchaseOrderDlg::TableLines() const {
    QList<QStringList> lines;
    for (int row = 0; row < m_lines->rowCount(); ++row) {
        QStringList line;
        for (int column = 0; column < kPurchaseOrderColumns; ++column) {
            const QTableWidgetItem* cell = m_lines->item(row, column);
            line << (cell ? cell->text() : QString());
        }
        lines << line;
    }
    return lines;
}

void TExportPurchaseOrderDlg::ShowTotal() {
    m_total->setText(PurchaseOrderModel::TotalCost(TableLines()));
}

void TExportPurchaseOrderDlg::NextClick() {
    if (m_pages->currentIndex() == 1) {
        m_pages->setCurrentIndex(0);
        m_next->setText(Translate("Next"));
        m_ok->setEnabled(false);
        return;
    }
    TakeSender();
    const QList<QStringList> lines = m_model.BuildLines(Ticked(m_groups), Ticked(m_suppliers));
    m_filling = true;
    m_lines->setRowCount(0);
    m_lines->setRowCount(int(lines.size()));
    for (int row = 0; row < lines.size(); ++row)
        for (int column = 0; column < kPurchaseOrderColumns; ++column)
            m_lines->setItem(row, column, new QTableWidgetItem(lines[row].value(column)));
    m_filling = false;
    ShowTotal();
    m_pages->setCurrentIndex(1);
    m_next->setText(Translate("Back"));
    m_ok->setEnabled(true);
}

void TExportPurchaseOrderDlg::OkClick() {
    if (m_pages->currentIndex() != 1) return;
    TakeSender();
    if (!m_model.Accept(TableLines(), m_includePrice->isChecked(), m_context ? m_context() : ReportContext{}))
        return;
    accept();
}

void TExportPurchaseOrderDlg::reject() {
    // The sender data typed are kept even when nothing is ordered.
    TakeSender();
    m_model.StoreSender();
    QDialog::reject();
}

std::function<ReportContext()> PurchaseOrderContext(Workspace& workspace, MainWindowHost& host) {
    return [&state = workspace.State(), &host] {
        ReportLogo logo;
        const TeamLogoView* teamLogo = host.TeamLogo();
        if (teamLogo && !teamLogo->Picture().isNull())
            logo = {state.Settings().logotype, teamLogo->PictureRect().width(),
                    teamLogo->PictureRect().height()};
        return MainWindowReportContext(state, WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR),
                                       logo);
    };
}

void RunPurchaseOrder(Workspace& workspace, MainWindowHost& host, PurchaseOrderMode mode,
                      const std::vector<int>& chosen) {
    if (!workspace.State().GetServices().prompter) return;
    PurchaseOrderModel model(workspace, mode);
    if (mode == PurchaseOrderMode::Orders) model.orderNumbers = chosen;
    if (mode == PurchaseOrderMode::Parts) model.partRows = chosen;
    TExportPurchaseOrderDlg dialog(model, PurchaseOrderContext(workspace, host), host.Window());
    dialog.exec();
}
