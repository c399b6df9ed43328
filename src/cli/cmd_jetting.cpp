// vorlapa-cli jetting: the jetting guru's suggestion for one air density from reference jet sizes.
#include "calc/jetting_guru.h"
#include "command_registry.h"
#include "storage/translate.h"

namespace {

const QString kUsage = QStringLiteral(
    "jetting --method linear|4th-root --kind flow|diameter --ref-rad1 R1 [--ref-rad2 R2] --rad S "
    "[--ref NAME:JET1:JET2]...");

int Jetting(const QStringList& arguments) {
    QStringList args = arguments;
    const std::optional<QString> method = cli::TakeOption(args, QStringLiteral("--method"));
    const std::optional<QString> kind = cli::TakeOption(args, QStringLiteral("--kind"));
    const std::optional<QString> ref1 = cli::TakeOption(args, QStringLiteral("--ref-rad1"));
    const std::optional<QString> ref2 = cli::TakeOption(args, QStringLiteral("--ref-rad2"));
    const std::optional<QString> rad = cli::TakeOption(args, QStringLiteral("--rad"));

    JettingGuruSettings settings;
    if (method == QLatin1String("linear"))
        settings.method = JettingMethod::Linear;
    else if (method == QLatin1String("4th-root"))
        settings.method = JettingMethod::FourthRoot;
    else
        return cli::UsageError(kUsage);
    if (kind == QLatin1String("flow"))
        settings.kind = JetSizeKind::Flow;
    else if (kind == QLatin1String("diameter"))
        settings.kind = JetSizeKind::Diameter;
    else
        return cli::UsageError(kUsage);
    if (!ref1 || !rad || (settings.method == JettingMethod::Linear && !ref2)) return cli::UsageError(kUsage);
    settings.reference1 = *ref1;
    settings.reference2 = ref2.value_or(QString());

    int rows = 0;
    while (const std::optional<QString> reference = cli::TakeOption(args, QStringLiteral("--ref"))) {
        // The name may hold ":" itself: the two sizes are the last two fields.
        const qsizetype second = reference->lastIndexOf(QLatin1Char(':'));
        const qsizetype first = second > 0 ? reference->lastIndexOf(QLatin1Char(':'), second - 1) : -1;
        if (first < 0) return cli::UsageError(kUsage);
        if (rows == JettingGuruRowCount) {
            cli::PrintError(
                Fill(Translate("At most %d reference rows"), QString::number(JettingGuruRowCount)));
            return 1;
        }
        settings.rows[rows++] = {reference->left(first), reference->mid(first + 1, second - first - 1),
                                 reference->mid(second + 1)};
    }
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kUsage);

    JettingSuggestion suggestion;
    if (!SuggestJetSizes(settings, *rad, suggestion)) {
        cli::PrintError(Translate("Not a valid value"));
        return 1;
    }
    // One line per reference row, as the guru's suggestion table shows it: a row without two usable
    // sizes is empty.
    for (int row = 0; row < rows; ++row)
        cli::PrintLine(suggestion[row].name + QLatin1Char('\t') + suggestion[row].size);
    return 0;
}

const cli::Registrar registrar(QStringLiteral("jetting"), kUsage, Jetting);

} // namespace
