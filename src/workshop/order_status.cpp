#include "order_status.h"

#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <set>

QStringList OrderColumnCaptions() {
    static const char* const kCaptions[kOrderStoredColumns] = {
        N_("Order date"), "Location",          "Part No.", "Name",    "Qty",   N_("Rec. Qty"),
        N_("Price"),      N_("Received date"), "Supplier", "Comment", "Remark"};
    QStringList captions;
    for (const char* caption : kCaptions)
        captions << Translate(caption);
    captions << QString();
    return captions;
}

int OrderColumnWidth(int column) {
    static constexpr int kWidths[kOrderColumnCount] = {80, 100, 100, 150, 50, 60, 50, 100, 100, 100, 100, 0};
    return column >= 0 && column < kOrderColumnCount ? kWidths[column] : 0;
}

namespace {

void InsertAt(QStringList& fields, int index, const QString& value) {
    while (fields.size() < index)
        fields << QString();
    fields.insert(index, value);
}

} // namespace

QStringList UpgradeOrderLine(QStringList fields, const QString& fromVersion) {
    QString version = fromVersion;
    // Each step leads to the next, so a 1.0 line goes through both.
    if (version == u"1.0") {
        InsertAt(fields, 4, QStringLiteral("0"));
        InsertAt(fields, 5, QString());
        version = QStringLiteral("1.1");
    }
    if (version == u"1.1") {
        InsertAt(fields, 10, QString());
        fields.insert(1, fields.takeAt(8));
    }
    return fields;
}

int ReceivedQtyOf(const QStringList& item) {
    return ParseInteger(item.value(order_col::RecQty).trimmed()).value_or(0);
}

OrderState StateOf(const QStringList& item) {
    const auto qty = ParseInteger(item.value(order_col::Qty).trimmed());
    if (!qty) return OrderState::None;
    return ReceivedQtyOf(item) < *qty ? OrderState::Pending : OrderState::Received;
}

OrderColour ColourOf(const QStringList& item) {
    const auto qty = ParseInteger(item.value(order_col::Qty).trimmed());
    if (!qty) return OrderColour::Plain;
    const int received = ReceivedQtyOf(item);
    if (received == 0 && *qty > 0) return OrderColour::Yellow;
    if (received > 0 && received < *qty) return OrderColour::LightGreen;
    return OrderColour::Plain;
}

int OrderBook::NumberOf(int row) const {
    return ParseInteger(m_items.Field(row, order_col::Number)).value_or(0);
}

std::optional<int> OrderBook::RowOfNumber(int number) const {
    for (int row = 0; row < m_items.RowCount(); ++row)
        if (NumberOf(row) == number) return row;
    return std::nullopt;
}

int OrderBook::Append(QStringList fields) {
    fields = fields.mid(0, kOrderStoredColumns);
    while (fields.size() < kOrderStoredColumns)
        fields << QString();
    fields << QString::number(m_nextNumber++);
    return m_items.AddRow(fields);
}

void OrderBook::SetField(int row, int column, const QString& text) {
    if (column >= 0 && column < kOrderStoredColumns) m_items.SetField(row, column, text);
}

void OrderBook::RemoveNumbers(const std::vector<int>& numbers) {
    for (int number : numbers)
        if (const auto row = RowOfNumber(number)) m_items.RemoveRows(*row);
}

void OrderBook::SetStoredLines(const QList<QStringList>& lines) {
    m_items.Clear();
    m_nextNumber = 1;
    for (const QStringList& line : lines)
        Append(line);
}

QList<QStringList> OrderBook::StoredLines() const {
    QList<QStringList> lines;
    for (int row = 0; row < m_items.RowCount(); ++row)
        lines << m_items.Row(row).mid(0, kOrderStoredColumns);
    return lines;
}

QString OrderStatusFileName() {
    return QStringLiteral("orderstatus.ini");
}

namespace {

const QString kSection = QStringLiteral("order_status");
const ListBlock kListBlock{QStringLiteral("list")};

OrderStatusFile ReadOrderStatus(TTxtParser& reader) {
    OrderStatusFile file;
    file.version = reader.ReadValue(kSection, QStringLiteral("version"));
    file.lastSelectedNode =
        ParseInteger(reader.ReadValue(kSection, QStringLiteral("last_selected_node"))).value_or(0);
    TextTable table(kOrderStoredColumns);
    table.Load(reader, kSection, kListBlock);
    QList<QStringList> lines;
    for (const QStringList& row : table.Rows())
        lines << UpgradeOrderLine(row, file.version).mid(0, kOrderStoredColumns);
    file.orders.SetStoredLines(lines);
    return file;
}

void WriteOrderStatus(TTxtParser& writer, const OrderBook& orders, int lastSelectedNode) {
    writer.WriteSection(kSection);
    // The version and the node go before the list: a bracket in an order line would hide later keys.
    writer.WriteValue(QStringLiteral("version"), kOrderStatusVersion);
    writer.WriteValue(QStringLiteral("last_selected_node"), QString::number(lastSelectedNode));
    TextTable table(kOrderStoredColumns);
    for (const QStringList& line : orders.StoredLines())
        table.AddRow(line);
    table.Save(writer, kListBlock);
}

} // namespace

OrderStatusFile ParseOrderStatus(const QString& text) {
    TTxtParser reader;
    reader.OpenReadText(text);
    return ReadOrderStatus(reader);
}

QString OrderStatusText(const OrderBook& orders, int lastSelectedNode) {
    TTxtParser writer;
    writer.OpenWrite(QString());
    WriteOrderStatus(writer, orders, lastSelectedNode);
    return writer.WrittenText();
}

Expected<OrderStatusFile, QString> LoadOrderStatus(const QString& dataDir) {
    const QString path = QDir(dataDir).filePath(OrderStatusFileName());
    if (!QFileInfo::exists(path)) return OrderStatusFile{};
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return Unexpected(bytes.error());
    return ParseOrderStatus(DecodeFileText(*bytes));
}

Expected<void, QString> SaveOrderStatus(const QString& dataDir, const OrderBook& orders,
                                        int lastSelectedNode) {
    TTxtParser writer;
    writer.OpenWrite(QDir(dataDir).filePath(OrderStatusFileName()));
    WriteOrderStatus(writer, orders, lastSelectedNode);
    return writer.Close();
}

QString OrderTree::PathOf(int node) const {
    QStringList parts;
    for (int n = node; n >= 0 && n < int(nodes.size()); n = nodes[n].parent)
        parts.prepend(nodes[n].text);
    return parts.join(u'/');
}

std::optional<int> OrderTree::FindPath(const QString& path) const {
    for (int n = 0; n < int(nodes.size()); ++n)
        if (PathOf(n) == path) return n;
    return std::nullopt;
}

int OrderTree::ValidNode(int stored) const {
    return stored >= 0 && stored < int(nodes.size()) ? stored : 0;
}

namespace {

QString DateOf(const QStringList& item) {
    return item.value(order_col::OrderDate).trimmed();
}
QString SupplierOf(const QStringList& item) {
    return item.value(order_col::Supplier).trimmed();
}
// The year of a valid order date, else empty: such items stay out of the year grouping.
QString YearOf(const QStringList& item) {
    const QString date = DateOf(item);
    return IsDateText(date) ? date.left(4) : QString();
}

bool LessText(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

QStringList Sorted(const std::set<QString>& values) {
    QStringList list(values.begin(), values.end());
    std::sort(list.begin(), list.end(), LessText);
    return list;
}

int AddNode(OrderTree& tree, OrderNode node) {
    tree.nodes.push_back(std::move(node));
    return int(tree.nodes.size()) - 1;
}

// Supplier nodes with their order dates, for the items that pass the filter.
void AddSupplierNodes(OrderTree& tree, const OrderBook& orders, int parent, OrderState state) {
    std::set<QString> suppliers;
    for (int row = 0; row < orders.Count(); ++row) {
        const QStringList item = orders.Item(row);
        if (state != OrderState::None && StateOf(item) != state) continue;
        if (!SupplierOf(item).isEmpty()) suppliers.insert(SupplierOf(item));
    }
    for (const QString& supplier : Sorted(suppliers)) {
        const int node = AddNode(tree, {supplier, parent, OrderNodeKind::Supplier, {}, supplier, {}, state});
        std::set<QString> dates;
        for (int row = 0; row < orders.Count(); ++row) {
            const QStringList item = orders.Item(row);
            if (state != OrderState::None && StateOf(item) != state) continue;
            if (SupplierOf(item) == supplier && !DateOf(item).isEmpty()) dates.insert(DateOf(item));
        }
        for (const QString& date : Sorted(dates))
            AddNode(tree, {date, node, OrderNodeKind::SupplierDate, {}, supplier, date, state});
    }
}

} // namespace

OrderTree BuildOrderTree(const OrderBook& orders) {
    OrderTree tree;
    AddNode(tree, {Translate("All"), -1, OrderNodeKind::All, {}, {}, {}, OrderState::None});
    std::set<QString> years, suppliers;
    bool anyPending = false, anyReceived = false;
    for (int row = 0; row < orders.Count(); ++row) {
        const QStringList item = orders.Item(row);
        if (!YearOf(item).isEmpty()) years.insert(YearOf(item));
        if (!SupplierOf(item).isEmpty()) suppliers.insert(SupplierOf(item));
        anyPending |= StateOf(item) == OrderState::Pending;
        anyReceived |= StateOf(item) == OrderState::Received;
    }
    if (years.size() > 1) {
        const int byYear = AddNode(tree, {Translate("By year"), -1, OrderNodeKind::ByYear, {}, {}, {}, {}});
        for (const QString& year : Sorted(years)) {
            const int node = AddNode(tree, {year, byYear, OrderNodeKind::Year, year, {}, {}, {}});
            std::set<QString> dates;
            for (int row = 0; row < orders.Count(); ++row)
                if (YearOf(orders.Item(row)) == year) dates.insert(DateOf(orders.Item(row)));
            for (const QString& date : Sorted(dates))
                AddNode(tree, {date, node, OrderNodeKind::YearDate, year, {}, date, {}});
        }
    }
    if (suppliers.size() > 1) {
        const int bySupplier =
            AddNode(tree, {Translate("By supplier"), -1, OrderNodeKind::BySupplier, {}, {}, {}, {}});
        AddSupplierNodes(tree, orders, bySupplier, OrderState::None);
    }
    if (anyPending) {
        const int node = AddNode(tree, {Translate("Pending"), -1, OrderNodeKind::Pending, {}, {}, {}, {}});
        AddSupplierNodes(tree, orders, node, OrderState::Pending);
    }
    if (anyReceived) {
        const int node = AddNode(tree, {Translate("Received"), -1, OrderNodeKind::Received, {}, {}, {}, {}});
        AddSupplierNodes(tree, orders, node, OrderState::Received);
    }
    return tree;
}

std::vector<int> ShownOrderRows(const OrderBook& orders, const OrderTree& tree, int nodeIndex) {
    std::vector<int> rows;
    if (nodeIndex < 0 || nodeIndex >= int(tree.nodes.size())) return rows;
    const OrderNode& node = tree.nodes[nodeIndex];
    for (int row = 0; row < orders.Count(); ++row) {
        const QStringList item = orders.Item(row);
        bool shown = true;
        switch (node.kind) {
        case OrderNodeKind::All:
        case OrderNodeKind::ByYear:
        case OrderNodeKind::BySupplier:
            break;
        case OrderNodeKind::Pending:
            shown = StateOf(item) == OrderState::Pending;
            break;
        case OrderNodeKind::Received:
            shown = StateOf(item) == OrderState::Received;
            break;
        case OrderNodeKind::Year:
            shown = YearOf(item) == node.year;
            break;
        case OrderNodeKind::YearDate:
            shown = DateOf(item) == node.date && YearOf(item) == node.year;
            break;
        case OrderNodeKind::Supplier:
        case OrderNodeKind::SupplierDate:
            shown = SupplierOf(item) == node.supplier &&
                    (node.kind == OrderNodeKind::Supplier || DateOf(item) == node.date) &&
                    (node.state == OrderState::None || StateOf(item) == node.state);
            break;
        }
        if (shown) rows.push_back(row);
    }
    return rows;
}

QString TotalCostText(const OrderBook& orders, const std::vector<int>& rows) {
    double total = 0;
    for (int row : rows)
        if (const auto price = ParseDecimal(orders.Items().Field(row, order_col::Price).trimmed()))
            total += *price;
    return FormatPattern(total, QStringLiteral("0.00"));
}
