// vorlapa-cli setup normalize FILE --vehicle CODE [-o OUT]
// Loads the setup of a setup or session file with every reading rule (vehicle check, older key sets,
// fallbacks) and writes it again with the current key set only.
#include "command_registry.h"

#include "app/services.h"
#include "session/setup_model.h"
#include "storage/text_codec.h"
#include "storage/txt_parser.h"

#include <QFileInfo>
#include <cstdio>

namespace {

const QString kUsage = QStringLiteral("setup normalize FILE --vehicle mc|sidecar|gokart|car [-o OUT]");

// Messages go to stderr; the command asks no questions.
class StderrPrompter : public Prompter {
  public:
    bool anyError = false;
    void ShowError(const QString& message) override {
        anyError = true;
        cli::PrintError(message);
    }
    void ShowWarning(const QString& message) override { cli::PrintError(message); }
    void ShowInformation(const QString& message) override { cli::PrintError(message); }
    Answer AskYesNoCancel(const QString&) override { return Answer::Cancel; }
    Answer AskOkCancel(const QString&) override { return Answer::Cancel; }
    Answer AskYesNo(const QString&) override { return Answer::No; }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> ChooseOpenFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> ChooseSaveFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> ChooseFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<quint32> ChooseColour(quint32) override { return std::nullopt; }
    std::optional<QString> ChooseFont(const QString&) override { return std::nullopt; }
};

std::optional<VehicleType> VehicleOfCode(const QString& code) {
    for (VehicleType type :
         {VehicleType::Motorcycle, VehicleType::Sidecar, VehicleType::Kart, VehicleType::Car})
        if (VehicleCode(type) == code) return type;
    return std::nullopt;
}

int Normalize(QStringList args) {
    const std::optional<QString> code = cli::TakeOption(args, QStringLiteral("--vehicle"));
    const std::optional<QString> out = cli::TakeOption(args, QStringLiteral("-o"));
    if (!code || args.size() != 1) return cli::UsageError(kUsage);
    const std::optional<VehicleType> vehicle = VehicleOfCode(*code);
    if (!vehicle) {
        cli::PrintError(QStringLiteral("Unknown vehicle code: ") + *code);
        return 1;
    }
    const QString path = args.first();
    if (!QFileInfo::exists(path)) {
        cli::PrintError(QStringLiteral("File not found: ") + path);
        return 1;
    }

    StderrPrompter prompter;
    SetupModel model(*vehicle, &prompter);
    if (!model.OpenSetup(path)) return 1;

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
