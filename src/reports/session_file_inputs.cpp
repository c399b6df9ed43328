#include "session_file_inputs.h"

#include "app/program_settings.h"
#include "services/services.h"
#include "session/session_file.h"
#include "session/setup_model.h"
#include "session_report_input.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "timing/lap_figures.h"
#include "tracks/track_list.h"

#include <QFileInfo>

namespace {

// Keeps the first error; the reading asks no questions.
class FirstErrorPrompter : public Prompter {
  public:
    QString error;
    void ShowError(const QString& message) override {
        if (error.isEmpty()) error = message;
    }
    void ShowWarning(const QString&) override {}
    void ShowInformation(const QString&) override {}
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

} // namespace

VehicleType VehicleOfSessionFile(const QString& path, const ProgramSettings& settings) {
    TTxtParser reader;
    reader.OpenRead(path);
    QString code = reader.ReadValue(QStringLiteral("information"), QStringLiteral("vehicle"));
    reader.Close();
    if (code.isEmpty()) code = settings.vehicle;
    return VehicleFromCode(code);
}

Expected<std::pair<SessionReportInput, SetupReportInput>, QString>
LoadSessionReportInputs(const QString& path, const QString& dataFolder, const ProgramSettings& settings) {
    if (!QFileInfo(path).isFile()) return Unexpected(Fill(Translate("File %s does not exist!"), path));
    FirstErrorPrompter prompter;
    auto report = [&prompter](const QString& message) { prompter.ShowError(message); };
    const auto failed = [&]() {
        return Fill(Translate("Cannot read %s"), path) + QStringLiteral(": ") + prompter.error;
    };
    const TimingUnits units = TimingUnitsOfSystem(settings.systemUnit);
    SetupModel setup(VehicleOfSessionFile(path, settings), &prompter);
    setup.ApplyDistanceUnit(units.distanceInMiles);
    if (!setup.OpenSetup(path) || !prompter.error.isEmpty()) return Unexpected(failed());
    TTxtParser reader(report);
    reader.OpenRead(path);
    SessionUnits sessionUnits;
    sessionUnits.miles = units.distanceInMiles;
    if (settings.systemUnit == QLatin1String("US Standard"))
        sessionUnits.volumeUnit = QStringLiteral(N_("gallons (US)"));
    if (settings.systemUnit == QLatin1String("Imperial Standard"))
        sessionUnits.volumeUnit = QStringLiteral("gallons (Imperial)");
    const SessionRecord record = ReadSessionSections(reader, sessionUnits);
    reader.Close();
    QString trackLength;
    if (!record.Track().isEmpty()) {
        const TTrackList list = LoadTrackListFile(dataFolder, {}, report);
        const int index = list.IndexOf(record.Track());
        if (index >= 0) trackLength = list.At(index).info.Length;
    }
    if (!prompter.error.isEmpty()) return Unexpected(failed());
    return std::pair{SessionReportInputFrom(record, path, settings, trackLength),
                     SetupReportInputFrom(setup)};
}
