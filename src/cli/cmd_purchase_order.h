#pragma once
#include <QStringList>

namespace cli {
// vorlapa-cli export purchase-order --supplier NAME [--mode stock|orders|parts] [--data-dir DIR]
int ExportPurchaseOrderCommand(QStringList args);
extern const char* const kPurchaseOrderUsage;
} // namespace cli
