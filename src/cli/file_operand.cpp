#include "file_operand.h"

#include "command_registry.h"
#include "storage/atomic_file.h"
#include "storage/translate.h"

#include <QFile>
#include <QFileInfo>

namespace cli {

Expected<QString, int> ExistingFile(const QString& operand) {
    const QFileInfo info(operand);
    if (!info.exists()) {
        PrintError(Fill(Translate("File not found: %s"), operand));
        return Unexpected(1);
    }
    if (info.isDir()) {
        // Refused before anything is made (an export folder), with the reason a reader gives.
        QFile folder(operand);
        if (!folder.open(QIODevice::ReadOnly)) {
            PrintError(ReadErrorText(operand, folder.errorString()));
            return Unexpected(1);
        }
    }
    return operand;
}

Expected<QString, int> FileOperand(const std::optional<QStringList>& operands, const QString& usage,
                                   bool usageValid) {
    if (!usageValid || !operands || operands->size() != 1) return Unexpected(UsageError(usage));
    return ExistingFile(operands->first());
}

} // namespace cli
