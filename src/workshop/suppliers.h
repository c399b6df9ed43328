#pragma once
// The supplier list: the workshop's address book of parts suppliers, its file suppliers.ini, the company
// names offered wherever a supplier is chosen, and the addresses the supplier dialog opens.
#include "grid/sort_grid.h"
#include "grid/text_table.h"
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace supplier_col {
constexpr int Company = 0, Address = 1, Zip = 2, City = 3, State = 4, Country = 5, Phone = 6, Telefax = 7,
              EMail = 8, WebSite = 9, Contact = 10, Comments = 11;
} // namespace supplier_col

inline constexpr int kSupplierColumnCount = 12;

QStringList SupplierColumnCaptions(); // "Company", "Address", ... translated
int SupplierColumnWidth(int column);

struct SupplierList {
    SortKeys sortKeys{};
    TextTable suppliers{kSupplierColumnCount};
};

QString SuppliersFileName(); // "suppliers.ini"

// Reads the tag-file text. Sort keys are taken only when they are whole numbers of a column (or -1).
SupplierList ParseSuppliers(const QString& text);
QString SuppliersText(const SupplierList& list);
// A missing file gives an empty list; an unreadable one is an error naming it.
Expected<SupplierList, QString> LoadSuppliers(const QString& dataDir);
Expected<void, QString> SaveSuppliers(const QString& dataDir, const SupplierList& list);

// The trimmed company names in table order; names need not be unique.
QStringList SupplierNames(const SupplierList& list);
// The names without repeats and without empty ones, first occurrence first.
QStringList DistinctNames(const QStringList& names);
// The first row whose trimmed company equals the trimmed name, or std::nullopt.
std::optional<int> FindSupplierRow(const SupplierList& list, const QString& name);

// "mailto:" and the address, percent-encoded so that nothing in the field reaches the mail program as
// anything but an address.
QUrl MailToUrl(const QString& eMail);
// The web site as an http or https address; a bare name ("www.acme.com") gets "http://". Anything else
// (a local file, another scheme, an empty field) gives std::nullopt and is not opened.
std::optional<QUrl> HomePageUrl(const QString& webSite);
