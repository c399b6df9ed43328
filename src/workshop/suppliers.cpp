#include "suppliers.h"

#include "storage/atomic_file.h"
#include "storage/number_format.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QStringList SupplierColumnCaptions() {
    static const char* const kCaptions[kSupplierColumnCount] = {N_("Company"),
                                                                "Address",
                                                                N_("ZIP/Postal code"),
                                                                "City",
                                                                N_("State/Province"),
                                                                "Country",
                                                                "Phone",
                                                                "Telefax",
                                                                "E-Mail",
                                                                N_("Web site"),
                                                                N_("Contact"),
                                                                "Comments"};
    QStringList captions;
    for (const char* caption : kCaptions)
        captions << Translate(caption);
    return captions;
}

int SupplierColumnWidth(int column) {
    static constexpr int kWidths[kSupplierColumnCount] = {100, 100, 80,  100, 80,  80,
                                                          80,  80,  100, 100, 100, 200};
    return column >= 0 && column < kSupplierColumnCount ? kWidths[column] : 0;
}

QString SuppliersFileName() {
    return QStringLiteral("suppliers.ini");
}

namespace {

const QString kSection = QStringLiteral("suppliers");
const ListBlock kListBlock{QStringLiteral("list")};
const char* const kSortColumnKeys[3] = {"sort_column", "sort_column2", "sort_column3"};
const char* const kSortDescendingKeys[3] = {"sort_descending", "sort_descending2", "sort_descending3"};

SupplierList ReadSuppliers(TTxtParser& reader) {
    SupplierList list;
    for (int k = 0; k < 3; ++k) {
        const auto column = ParseInteger(reader.ReadValue(kSection, QLatin1String(kSortColumnKeys[k])));
        // A column outside the table would index past its fields: such a key is ignored.
        if (column && *column >= -1 && *column < kSupplierColumnCount) list.sortKeys[k].column = *column;
        list.sortKeys[k].descending =
            reader.ReadValue(kSection, QLatin1String(kSortDescendingKeys[k])) == u"true";
    }
    list.suppliers.Load(reader, kSection, kListBlock);
    return list;
}

void WriteSuppliers(TTxtParser& writer, const SupplierList& list) {
    writer.WriteSection(kSection);
    for (int k = 0; k < 3; ++k) {
        writer.WriteValue(QLatin1String(kSortColumnKeys[k]), QString::number(list.sortKeys[k].column));
        writer.WriteValue(QLatin1String(kSortDescendingKeys[k]),
                          list.sortKeys[k].descending ? QStringLiteral("true") : QStringLiteral("false"));
    }
    // The list comes last: a bracket in a line ends the section for the reader of later keys.
    list.suppliers.Save(writer, kListBlock);
}

} // namespace

SupplierList ParseSuppliers(const QString& text) {
    TTxtParser reader;
    reader.OpenReadText(text);
    return ReadSuppliers(reader);
}

QString SuppliersText(const SupplierList& list) {
    TTxtParser writer;
    writer.OpenWrite(QString());
    WriteSuppliers(writer, list);
    return writer.WrittenText();
}

Expected<SupplierList, QString> LoadSuppliers(const QString& dataDir) {
    const QString path = QDir(dataDir).filePath(SuppliersFileName());
    if (!QFileInfo::exists(path)) return SupplierList{};
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return Unexpected(bytes.error());
    return ParseSuppliers(DecodeFileText(*bytes));
}

Expected<void, QString> SaveSuppliers(const QString& dataDir, const SupplierList& list) {
    TTxtParser writer;
    writer.OpenWrite(QDir(dataDir).filePath(SuppliersFileName()));
    WriteSuppliers(writer, list);
    return writer.Close();
}

QStringList SupplierNames(const SupplierList& list) {
    QStringList names;
    for (int row = 0; row < list.suppliers.RowCount(); ++row)
        names << list.suppliers.Field(row, supplier_col::Company).trimmed();
    return names;
}

QStringList DistinctNames(const QStringList& names) {
    QStringList distinct;
    for (const QString& name : names) {
        const QString trimmed = name.trimmed();
        if (!trimmed.isEmpty() && !distinct.contains(trimmed)) distinct << trimmed;
    }
    return distinct;
}

std::optional<int> FindSupplierRow(const SupplierList& list, const QString& name) {
    const QString wanted = name.trimmed();
    for (int row = 0; row < list.suppliers.RowCount(); ++row)
        if (list.suppliers.Field(row, supplier_col::Company).trimmed() == wanted) return row;
    return std::nullopt;
}

QUrl MailToUrl(const QString& eMail) {
    return QUrl(QStringLiteral("mailto:") +
                    QString::fromLatin1(QUrl::toPercentEncoding(eMail.trimmed(), "@")),
                QUrl::StrictMode);
}

std::optional<QUrl> HomePageUrl(const QString& webSite) {
    const QString text = webSite.trimmed();
    if (text.isEmpty()) return std::nullopt;
    // "host:8080" is a host with its port, not a scheme.
    static const QRegularExpression kScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d+(/|$))"));
    QUrl url;
    if (kScheme.match(text).hasMatch()) {
        url = QUrl(text, QUrl::StrictMode);
    } else {
        if (text.startsWith(u'/') || text.startsWith(u'\\') || text.startsWith(u'.') || text.startsWith(u'~'))
            return std::nullopt; // a path, not a host
        url = QUrl(QStringLiteral("http://") + text, QUrl::StrictMode);
    }
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return std::nullopt;
    return url;
}
