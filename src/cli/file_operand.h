#pragma once
// The file a command works on, named on its command line. A named file must be there: the reading rule
// that a missing file reads as empty would turn a typing error into an empty result.
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

// The operand when it names something there that is not a folder. Else the message on stderr ("File not
// found: <operand>", or for a folder the reader's "Cannot read <operand>: <reason>") and the exit
// status 1.
Expected<QString, int> ExistingFile(const QString& operand);

// The command's one operand, a file that is there (ExistingFile). Operands other than exactly one, or
// usageValid false (another argument of the command is wrong), print the usage error: exit status 1.
Expected<QString, int> FileOperand(const std::optional<QStringList>& operands, const QString& usage,
                                   bool usageValid = true);

} // namespace cli
