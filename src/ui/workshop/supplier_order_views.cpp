#include "supplier_order_views.h"

#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "ui/widgets/grid_column_widths.h"
#include "ui/widgets/grid_edit_actions.h"
#include "ui/widgets/text_grid_model.h"
#include "workshop/order_status_page.h"
#include "workshop/suppliers_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

namespace {

QPushButton* Button(const QString& caption, QBoxLayout* layout) {
    auto* button = new QPushButton(caption);
    layout->addWidget(button);
    return button;
}

// The supplier dialog: a field per column, OK only with a company, and the two address buttons.
std::optional<QStringList> RunSupplierDialog(QWidget* parent, SuppliersPage& page,
                                             const QStringList& initial) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Translate("Supplier"));
    auto* form = new QFormLayout;
    static const char* const kLabels[kSupplierColumnCount] = {N_("Company"),
                                                              "Address",
                                                              N_("ZIP/Postal code"),
                                                              "City",
                                                              N_("State/Province"),
                                                              "Country",
                                                              "Phone",
                                                              "Telefax",
                                                              "E-mail",
                                                              N_("Web site"),
                                                              N_("Contact"),
                                                              "Comments"};
    std::vector<QLineEdit*> edits;
    for (int column = 0; column < kSupplierColumnCount; ++column) {
        auto* edit = new QLineEdit(initial.value(column));
        form->addRow(Translate(kLabels[column]), edit);
        edits.push_back(edit);
    }
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    auto* links = new QHBoxLayout;
    QObject::connect(Button(Translate("Write E-mail"), links), &QPushButton::clicked, &dialog,
                     [&] { page.WriteEMail(edits[supplier_col::EMail]->text()); });
    QObject::connect(Button(Translate("Go to home page"), links), &QPushButton::clicked, &dialog,
                     [&] { page.GoToHomePage(edits[supplier_col::WebSite]->text()); });
    layout->addLayout(links);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto check = [&] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(SuppliersPage::CanAccept({edits[0]->text()}));
    };
    QObject::connect(edits[0], &QLineEdit::textChanged, &dialog, check);
    check();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList fields;
    for (QLineEdit* edit : edits)
        fields << edit->text();
    return fields;
}

} // namespace

// Suppliers -------------------------------------------------------------------------------------------

SuppliersPageView::SuppliersPageView(SuppliersPage& page, QWidget* window) : m_page(page), m_window(window) {
}

SuppliersPageView::~SuppliersPageView() = default;

void SuppliersPageView::Build(QWidget* host) {
    auto* layout = new QVBoxLayout(host);
    auto* bar = new QHBoxLayout;
    m_save = Button(Translate("Save"), bar);
    connect(m_save, &QPushButton::clicked, this, [this] { m_page.SaveSuppliers(); });
    connect(Button(Translate("Add"), bar), &QPushButton::clicked, this, [this] { AddSupplier(); });
    m_edit = Button(Translate("Edit"), bar);
    connect(m_edit, &QPushButton::clicked, this, [this] { EditSupplier(); });
    m_delete = Button(Translate("Delete"), bar);
    connect(m_delete, &QPushButton::clicked, this, [this] { DeleteSuppliers(); });
    bar->addStretch();
    layout->addLayout(bar);

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("SuppliersGrid"));
    m_model = new TextGridModel(m_page.Grid(), &m_page.Sorting(), m_table);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setDefaultSectionSize(20);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < kSupplierColumnCount; ++column)
        SetColumnWidthAtLeastCaption(*m_table, column, SupplierColumnWidth(column));
    layout->addWidget(m_table, 1);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        const auto mods = QApplication::keyboardModifiers();
        m_page.HeaderClick(column, mods & Qt::ControlModifier, mods & Qt::ShiftModifier);
    });
    connect(m_table, &QTableView::doubleClicked, this, [this] { EditSupplier(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { Refresh(); });
    const auto onSupplier = [this] { return m_page.RowHoldsSupplier(m_table->currentIndex().row()); };
    InstallGridEditActions(m_table, this,
                           {.add = {N_("Add"), [this] { AddSupplier(); }, {}},
                            .edit = {N_("Edit"), [this] { EditSupplier(); }, onSupplier},
                            .remove = {N_("Delete"), [this] { DeleteSuppliers(); }, onSupplier},
                            .more = {}});
    m_connections += m_page.changed.Connect([this] { Refresh(); });
    Refresh();
}

void SuppliersPageView::Refresh() {
    if (!m_table) return;
    const bool supplier = m_page.RowHoldsSupplier(m_table->currentIndex().row());
    m_edit->setEnabled(supplier);
    m_delete->setEnabled(supplier);
    m_save->setEnabled(m_page.IsDirty());
}

std::vector<int> SuppliersPageView::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty() && m_table->currentIndex().isValid()) rows.insert(m_table->currentIndex().row());
    return {rows.begin(), rows.end()};
}

void SuppliersPageView::AddSupplier() {
    if (const auto fields = RunSupplierDialog(m_window, m_page, {})) m_page.AddSupplier(*fields);
}

void SuppliersPageView::EditSupplier() {
    const int row = m_table->currentIndex().row();
    if (!m_page.RowHoldsSupplier(row)) return;
    if (const auto fields = RunSupplierDialog(m_window, m_page, m_page.List().suppliers.Row(row)))
        m_page.EditSupplier(row, *fields);
}

void SuppliersPageView::DeleteSuppliers() {
    m_page.DeleteSuppliers(SelectedRows());
}

// Order status ----------------------------------------------------------------------------------------

namespace {

// The order dialog. With several items every field has an apply box, unticked; only ticked ones count.
struct OrderDialog {
    QDialog dialog;
    bool several = false;
    std::array<QCheckBox*, kOrderStoredColumns> apply{};
    QDateEdit* orderDate = new QDateEdit;
    QCheckBox* receivedEnabled = new QCheckBox(Translate("Received"));
    QDateEdit* receivedDate = new QDateEdit;
    QLineEdit* partNo = new QLineEdit;
    QLineEdit* name = new QLineEdit;
    QSpinBox* qty = new QSpinBox;
    QSpinBox* recQty = new QSpinBox;
    QComboBox* supplier = new QComboBox;
    QLineEdit* location = new QLineEdit;
    QLineEdit* price = new QLineEdit;
    QLineEdit* comment = new QLineEdit;
    QLineEdit* remark = new QLineEdit;
    QCheckBox* allReceived = new QCheckBox(Translate("All received"));
    QLabel* priceError = new QLabel;
    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    OrderDialog(QWidget* parent, bool severalItems) : dialog(parent), several(severalItems) {
        dialog.setWindowTitle(Translate("Order status"));
        auto* form = new QFormLayout;
        const auto row = [&](int column, const char* label, QWidget* field) {
            auto* line = new QHBoxLayout;
            if (several) {
                apply[column] = new QCheckBox;
                line->addWidget(apply[column]);
            }
            line->addWidget(field, 1);
            form->addRow(Translate(label), line);
        };
        for (QDateEdit* date : {orderDate, receivedDate}) {
            date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
            date->setCalendarPopup(true);
            date->setDate(QDate::currentDate());
        }
        qty->setRange(0, 999999);
        recQty->setRange(0, 999999);
        supplier->setEditable(false);
        allReceived->setToolTip(Translate("Mark all order items as completely received"));
        row(order_col::OrderDate, N_("Order date"), orderDate);
        auto* received = new QWidget;
        auto* receivedLine = new QHBoxLayout(received);
        receivedLine->setContentsMargins(0, 0, 0, 0);
        receivedLine->addWidget(receivedEnabled);
        receivedLine->addWidget(receivedDate, 1);
        row(order_col::ReceivedDate, N_("Received date"), received);
        row(order_col::PartNo, "Part No.", partNo);
        row(order_col::Name, "Name", name);
        row(order_col::Qty, "Qty.", qty);
        row(order_col::RecQty, N_("Received qty."), recQty);
        row(order_col::Supplier, "Supplier", supplier);
        row(order_col::Location, "Location", location);
        row(order_col::Price, N_("Total price"), price);
        row(order_col::Comment, "Comment", comment);
        row(order_col::Remark, "Remark", remark);
        form->addRow(QString(), allReceived);
        form->addRow(QString(), priceError);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addLayout(form);
        layout->addWidget(buttons);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        QObject::connect(receivedEnabled, &QCheckBox::toggled, &dialog, [this] { Enable(); });
        QObject::connect(allReceived, &QCheckBox::toggled, &dialog, [this] { Enable(); });
        QObject::connect(qty, &QSpinBox::valueChanged, &dialog,
                         [this](int value) { recQty->setMaximum(value); });
        QObject::connect(price, &QLineEdit::textChanged, &dialog, [this] {
            const auto error = CheckDecimalText(price->text().trimmed());
            priceError->setText(error.value_or(QString()));
            buttons->button(QDialogButtonBox::Ok)->setEnabled(!error);
        });
        Enable();
    }

    void Enable() {
        receivedDate->setEnabled(receivedEnabled->isChecked());
        allReceived->setEnabled(receivedEnabled->isChecked());
        recQty->setEnabled(receivedEnabled->isChecked() && !allReceived->isChecked());
    }

    void Preset(const OrderPreset& preset, const QStringList& suppliers) {
        const auto text = [&](int column) { return preset.fields[column].value_or(QString()); };
        QStringList choices = suppliers;
        if (!preset.supplierShown.isEmpty() && !choices.contains(preset.supplierShown))
            choices.prepend(preset.supplierShown);
        supplier->addItems(QStringList{QString()} + choices);
        supplier->setCurrentText(preset.supplierShown);
        partNo->setText(text(order_col::PartNo));
        name->setText(text(order_col::Name));
        qty->setValue(ParseInteger(text(order_col::Qty)).value_or(0));
        recQty->setMaximum(qty->value());
        recQty->setValue(preset.previousReceived);
        location->setText(text(order_col::Location));
        price->setText(text(order_col::Price));
        comment->setText(text(order_col::Comment));
        remark->setText(text(order_col::Remark));
        const QDate ordered = QDate::fromString(text(order_col::OrderDate), QStringLiteral("yyyy-MM-dd"));
        if (ordered.isValid()) orderDate->setDate(ordered);
        const QDate receivedOn =
            QDate::fromString(text(order_col::ReceivedDate), QStringLiteral("yyyy-MM-dd"));
        if (receivedOn.isValid()) receivedDate->setDate(receivedOn);
        receivedEnabled->setChecked(preset.receivedDateEnabled);
        Enable();
    }

    bool Ticked(int column) const { return !several || apply[column]->isChecked(); }

    OrderDialogResult Result(const QString& supplierShown) const {
        OrderDialogResult result;
        const auto set = [&](int column, const QString& value) {
            if (Ticked(column)) result.edit.fields[column] = value;
        };
        set(order_col::OrderDate, orderDate->date().toString(QStringLiteral("yyyy-MM-dd")));
        set(order_col::ReceivedDate, receivedDate->date().toString(QStringLiteral("yyyy-MM-dd")));
        set(order_col::PartNo, partNo->text());
        set(order_col::Name, name->text());
        set(order_col::Qty, QString::number(qty->value()));
        if (!allReceived->isChecked()) set(order_col::RecQty, QString::number(recQty->value()));
        if (Ticked(order_col::Supplier))
            result.edit.fields[order_col::Supplier] = SupplierToWrite(supplierShown, supplier->currentText());
        set(order_col::Location, location->text());
        set(order_col::Price, price->text());
        set(order_col::Comment, comment->text());
        set(order_col::Remark, remark->text());
        result.edit.receivedDateEnabled = receivedEnabled->isChecked();
        result.edit.allReceived = allReceived->isChecked() && receivedEnabled->isChecked();
        result.recQtyTicked = Ticked(order_col::RecQty);
        result.receivedQty = recQty->value();
        result.qtyTicked = Ticked(order_col::Qty);
        result.qty = qty->value();
        return result;
    }
};

// The receive wizard: the group and quantity, then the parts it will update.
std::optional<ReceiveWizardChoice> RunReceiveWizard(QWidget* parent, const ReceiveWizardStart& start) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Translate("Update Part Status"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(Translate("Select what to update")));
    auto* form = new QFormLayout;
    auto* group = new QComboBox;
    group->addItems(start.groups);
    form->addRow(Translate("Group"), group);
    auto* qty = new QSpinBox;
    qty->setRange(0, 999999);
    qty->setValue(start.qty);
    if (!start.item.isEmpty()) {
        for (const auto& [column, label] : {std::pair{order_col::PartNo, "Part No."},
                                            {order_col::Name, "Name"},
                                            {order_col::Supplier, "Supplier"},
                                            {order_col::Location, "Location"}}) {
            auto* field = new QLineEdit(start.item.value(column));
            field->setReadOnly(true);
            form->addRow(Translate(label), field);
        }
        form->addRow(Translate("Qty"), qty);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    auto* next = buttons->addButton(Translate("Next"), QDialogButtonBox::AcceptRole);
    layout->addWidget(buttons);
    const auto enable = [&] {
        next->setEnabled(group->currentIndex() >= 0 && (start.item.isEmpty() || qty->value() > 0));
    };
    QObject::connect(qty, &QSpinBox::valueChanged, &dialog, enable);
    enable();
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ReceiveWizardChoice{group->currentText(), qty->value()};
}

bool ConfirmBooking(QWidget* parent, const std::vector<PartBooking>& lines) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Translate("Update Part Status"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(Translate("Selected parts to update")));
    auto* list = new QListWidget;
    for (const PartBooking& line : lines)
        list->addItem(
            QStringLiteral("%1 %2: %3%4")
                .arg(line.item.value(order_col::PartNo), line.item.value(order_col::Name))
                .arg(line.qty)
                .arg(line.partRow < 0 ? QStringLiteral(" (") + Translate("new") + u')' : QString()));
    layout->addWidget(list);
    auto* note =
        new QLabel(Translate("Press OK to update/add parts. Note that the Qty value is already updated in "
                             "the next dialog, just press OK if it looks ok."));
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

OrderStatusPageView::OrderStatusPageView(OrderStatusPage& page, QWidget* window)
    : m_page(page), m_window(window) {
}

OrderStatusPageView::~OrderStatusPageView() {
    m_page.requestReceiveWizard = {};
    m_page.requestChoosePart = {};
    m_page.requestConfirmBooking = {};
}

void OrderStatusPageView::InstallRequests() {
    m_page.requestReceiveWizard = [this](const ReceiveWizardStart& start) {
        return RunReceiveWizard(m_window, start);
    };
    m_page.requestConfirmBooking = [this](const std::vector<PartBooking>& lines) {
        return ConfirmBooking(m_window, lines);
    };
    m_page.requestChoosePart = [this](const QStringList& parts) -> std::optional<int> {
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            m_window, Translate("Select part status item to update"),
            Translate("More than one match found, please select what part to update."), parts, 0, false, &ok);
        if (!ok) return std::nullopt;
        return int(parts.indexOf(chosen));
    };
}

void OrderStatusPageView::Build(QWidget* host) {
    InstallRequests();
    auto* layout = new QVBoxLayout(host);
    auto* bar = new QHBoxLayout;
    m_save = Button(Translate("Save"), bar);
    connect(m_save, &QPushButton::clicked, this, [this] { m_page.SaveOrders(); });
    connect(Button(Translate("Add"), bar), &QPushButton::clicked, this, [this] { AddItem(); });
    m_edit = Button(Translate("Edit"), bar);
    connect(m_edit, &QPushButton::clicked, this, [this] { EditItems(); });
    m_delete = Button(Translate("Delete"), bar);
    connect(m_delete, &QPushButton::clicked, this, [this] { DeleteItems(); });
    connect(Button(Translate("Purchase order"), bar), &QPushButton::clicked, this, [this] {
        if (requestPurchaseOrder) requestPurchaseOrder(SelectedNumbers());
    });
    bar->addStretch();
    m_total = new QLabel;
    bar->addWidget(m_total);
    layout->addLayout(bar);

    auto* split = new QSplitter;
    m_tree = new QTreeWidget;
    m_tree->setHeaderHidden(true);
    m_tree->setObjectName(QStringLiteral("OrderTree"));
    split->addWidget(m_tree);
    m_list = new QTableWidget;
    m_list->setObjectName(QStringLiteral("OrderList"));
    m_list->setColumnCount(kOrderColumnCount);
    m_list->setHorizontalHeaderLabels(OrderColumnCaptions());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->setDefaultSectionSize(20);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->horizontalHeader()->setStretchLastSection(false);
    for (int column = 0; column < kOrderColumnCount; ++column) {
        SetColumnWidthAtLeastCaption(*m_list, column, OrderColumnWidth(column));
        m_list->setColumnHidden(column, OrderColumnWidth(column) == 0);
    }
    split->addWidget(m_list);
    split->setStretchFactor(1, 1);
    split->setSizes({180, 800});
    layout->addWidget(split, 1);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!m_refreshing && item) m_page.SelectNode(item->data(0, Qt::UserRole).toInt());
    });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { m_page.HeaderClick(column); });
    connect(m_list, &QTableWidget::doubleClicked, this, [this] { EditItems(); });
    connect(m_list, &QTableWidget::itemSelectionChanged, this, [this] {
        const bool any = !SelectedNumbers().empty();
        m_edit->setEnabled(true);
        m_delete->setEnabled(any);
    });
    const auto anySelected = [this] { return !SelectedNumbers().empty(); };
    InstallGridEditActions(m_list, this,
                           {.add = {N_("Add"), [this] { AddItem(); }, {}},
                            .edit = {N_("Edit"), [this] { EditItems(); }, anySelected},
                            .remove = {N_("Delete"), [this] { DeleteItems(); }, anySelected},
                            .more = {}});
    auto* selectAll =
        new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(selectAll, &QShortcut::activated, this, [this] { m_list->selectAll(); });
    m_connections += m_page.changed.Connect([this] { Refresh(); });
    Refresh();
}

void OrderStatusPageView::Refresh() {
    if (!m_tree) return;
    m_refreshing = true;
    const OrderTree& tree = m_page.Tree();
    m_tree->clear();
    std::vector<QTreeWidgetItem*> items;
    for (int n = 0; n < int(tree.nodes.size()); ++n) {
        const OrderNode& node = tree.nodes[n];
        auto* item = node.parent < 0 ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(items[node.parent]);
        item->setText(0, node.text);
        item->setData(0, Qt::UserRole, n);
        items.push_back(item);
    }
    if (!items.empty()) {
        QTreeWidgetItem* selected = items[tree.ValidNode(m_page.SelectedNode())];
        for (QTreeWidgetItem* up = selected->parent(); up; up = up->parent())
            up->setExpanded(true);
        m_tree->setCurrentItem(selected);
    }
    const OrderBook& orders = m_page.Orders();
    const std::vector<int>& rows = m_page.ShownRows();
    m_list->clearContents();
    m_list->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const QStringList item = orders.Item(rows[i]);
        QColor back;
        switch (ColourOf(item)) {
        case OrderColour::Yellow:
            back = Qt::yellow;
            break;
        case OrderColour::LightGreen:
            back = QColor(192, 220, 192);
            break;
        case OrderColour::Plain:
            break;
        }
        for (int column = 0; column < kOrderColumnCount; ++column) {
            auto* cell = new QTableWidgetItem(item.value(column));
            if (back.isValid()) cell->setBackground(back);
            m_list->setItem(i, column, cell);
        }
    }
    m_total->setText(m_page.TotalCostCaption());
    m_save->setEnabled(m_page.IsDirty());
    m_delete->setEnabled(!SelectedNumbers().empty());
    m_refreshing = false;
}

std::vector<int> OrderStatusPageView::SelectedNumbers() const {
    std::set<int> numbers;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
        const QTableWidgetItem* cell = m_list->item(index.row(), order_col::Number);
        if (cell) numbers.insert(cell->text().toInt());
    }
    return {numbers.begin(), numbers.end()};
}

void OrderStatusPageView::AddItem() {
    OrderDialog dialog(m_window, false);
    dialog.Preset({}, m_page.SupplierNames());
    if (dialog.dialog.exec() != QDialog::Accepted) return;
    OrderDialogResult result = dialog.Result(QString());
    result.edit.fields[order_col::Supplier] = dialog.supplier->currentText();
    m_page.AddOrderItem(result.edit);
}

void OrderStatusPageView::EditItems() {
    const std::vector<int> numbers = SelectedNumbers();
    if (numbers.empty()) {
        AddItem();
        return;
    }
    const OrderPreset preset = m_page.Preset(numbers);
    OrderDialog dialog(m_window, numbers.size() > 1);
    dialog.Preset(preset, m_page.SupplierNames());
    if (dialog.dialog.exec() != QDialog::Accepted) return;
    m_page.EditOrderItems(numbers, dialog.Result(preset.supplierShown));
}

void OrderStatusPageView::DeleteItems() {
    m_page.DeleteOrderItems(SelectedNumbers());
}
