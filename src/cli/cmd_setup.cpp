// vorlapa-cli setup normalize FILE --vehicle CODE [-o OUT]
// Loads the setup of a setup or session file with every reading rule (vehicle check, older key sets,
// fallbacks) and writes it again with the current key set only.
#include "command_registry.h"

#include "session/setup_model.h"
#include "stderr_prompter.h"
#include "storage/text_codec.h"
#include "storage/txt_parser.h"

#include <QFileInfo>
#include <cstdio>

namespace {

const QString kUsage = QStringLiteral("setup normalize FILE --vehicle mc|sidecar|gokart|car [-o OUT]");

std::optional<VehicleType> VehicleOfCode(const QString& code) {
    for (VehicleType type :
         {VehicleType::Motorcycle, VehicleType::Sidecar, VehicleType::Kart, VehicleType::Car})
        if (VehicleCode(type) == code) return type;
    return std::nullopt;
}

int Normalize(QStringList args) {
    const std::optional<QString> code = cli::TakeOption(args, QStringLiteral("--vehicle"));
    const std::optional<QString> out = cli::TakeOption(args, QStringLiteral("-o"));
    const auto operands = cli::Operands(args);
    if (!code || !operands || operands->size() != 1) return cli::UsageError(kUsage);
    const std::optional<VehicleType> vehicle = VehicleOfCode(*code);
    if (!vehicle) {
        cli::PrintError(QStringLiteral("Unknown vehicle code: ") + *code);
        return 1;
    }
    const QString path = operands->first();
    if (!QFileInfo::exists(path)) {
        cli::PrintError(QStringLiteral("File not found: ") + path);
        return 1;
    }

    cli::StderrPrompter prompter;
    SetupModel model(*vehicle, &prompter);
    // A file that cannot be read is refused here, so nothing is written over the output.
    if (!model.OpenSetup(path) || prompter.anyError) return 1;

    TTxtParser writer;
    writer.OpenWrite(out.value_or(QString()));
    writer.WriteSection(QStringLiteral("information"));
    writer.WriteValue(QStringLiteral("vehicle"), VehicleCode(*vehicle));
    model.WriteSetupSections(writer);
    if (!out) {
        const QByteArray bytes = EncodeFileText(writer.WrittenText());
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return 0;
    }
    const auto written = writer.Close();
    if (!written) {
        cli::PrintError(written.error());
        return 1;
    }
    return 0;
}

int Setup(const QStringList& args) {
    if (args.isEmpty() || args.first() != QLatin1String("normalize")) return cli::UsageError(kUsage);
    return Normalize(args.mid(1));
}

const cli::Registrar registrar(QStringLiteral("setup"), kUsage, Setup);

} // namespace
