#include "part_setups.h"

#include "services/services.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kSetupExtension = QStringLiteral(".set");

QString MissingFileText(const QString& fileName) {
    return Fill(Translate("The setup file \n%s\ndoes not exist!"), fileName);
}

} // namespace

QString PartSetupFolder(const QString& dataDir) {
    return QDir(dataDir).filePath(QStringLiteral("Setups"));
}

QString PartSetupPath(const QString& dataDir, SetupArea area, const QString& name) {
    return QDir(PartSetupFolder(dataDir))
        .filePath(SetupAreaInfoOf(area).partSetupPrefix + name + kSetupExtension);
}

std::optional<SetupArea> PartSetupAreaOfWord(const QString& word) {
    static const std::array<std::pair<const char*, SetupArea>, 8> words = {{
        {"tire", SetupArea::Tires},
        {"suspension", SetupArea::Suspension},
        {"aerodynamics", SetupArea::Aerodynamics},
        {"engine", SetupArea::Engine},
        {"gearing", SetupArea::Gearing},
        {"jetting", SetupArea::Jetting},
        {"weight", SetupArea::WeightDistribution},
        {"general", SetupArea::General},
    }};
    for (const auto& [text, area] : words)
        if (word == QLatin1String(text)) return area;
    return std::nullopt;
}

std::optional<QString> CheckPartSetupName(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return Translate("Give a name to the current part setup");
    static const QString refused = QStringLiteral("\\/:*?\"<>|;[]");
    for (QChar c : trimmed)
        if (refused.contains(c) || c.category() == QChar::Other_Control)
            return Fill(Translate("A part setup name cannot hold any of %s"),
                        QStringLiteral("\\ / : * ? \" < > | ; [ ]"));
    return std::nullopt;
}

QStringList ListPartSetups(const QString& dataDir, SetupArea area, VehicleType vehicle) {
    const QString prefix = SetupAreaInfoOf(area).partSetupPrefix;
    const QDir dir(PartSetupFolder(dataDir));
    QStringList names;
    const QString code = VehicleCode(vehicle);
    for (const QString& file : dir.entryList({prefix + QStringLiteral("*") + kSetupExtension}, QDir::Files)) {
        // The mask matches case-insensitively on some systems; the prefix is exact.
        if (!file.startsWith(prefix) || !file.endsWith(kSetupExtension, Qt::CaseInsensitive)) continue;
        TTxtParser reader;
        reader.OpenRead(dir.filePath(file));
        const QString fileVehicle =
            reader.ReadValue(QStringLiteral("information"), QStringLiteral("vehicle"));
        reader.Close();
        if (!fileVehicle.isEmpty() && fileVehicle.compare(code, Qt::CaseInsensitive) != 0) continue;
        names << file.mid(prefix.size(), file.size() - prefix.size() - kSetupExtension.size());
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

Expected<void, QString> WritePartSetup(const SetupModel& setup, SetupArea area, const QString& dataDir,
                                       const QString& name) {
    if (!QDir().mkpath(PartSetupFolder(dataDir)))
        return Unexpected(Fill(Translate("Cannot create the folder %s"), PartSetupFolder(dataDir)));
    SetupRecord record = setup.Record();
    record.selectedNames[size_t(area)] = name;
    TTxtParser writer;
    writer.OpenWrite(PartSetupPath(dataDir, area, name));
    writer.WriteSection(QStringLiteral("information"));
    writer.WriteValue(QStringLiteral("vehicle"), VehicleCode(setup.Vehicle()));
    WriteSetupArea(record, area, SetupIoContext{setup.Vehicle(), setup.Miles()}, writer);
    return writer.Close();
}

PartSetupManager::PartSetupManager(SetupModel& setup, Prompter& prompter, QString dataDir, SetupArea area)
    : m_setup(setup), m_prompter(prompter), m_dataDir(std::move(dataDir)), m_area(area),
      m_names(ListPartSetups(m_dataDir, area, setup.Vehicle())), m_box(setup.SelectedName(area)) {
}

QString PartSetupManager::Caption() const {
    const QString area = m_area == SetupArea::WeightDistribution ? QStringLiteral(N_("Weight Distribution"))
                                                                 : SetupAreaInfoOf(m_area).caption;
    return Fill(Translate("Manage %s Setups"), Translate(area));
}

bool PartSetupManager::Save() {
    const QString name = m_box.trimmed();
    if (const auto refusal = CheckPartSetupName(name)) {
        m_prompter.ShowError(*refusal);
        return false;
    }
    if (const auto written = WritePartSetup(m_setup, m_area, m_dataDir, name); !written) {
        m_prompter.ShowError(written.error());
        return false;
    }
    m_box = name;
    if (!m_names.contains(name)) {
        m_names << name;
        m_names.sort(Qt::CaseInsensitive);
    }
    m_result = Result::Saved;
    return true;
}

bool PartSetupManager::Load() {
    const QString name = m_box.trimmed();
    if (name.isEmpty()) return false;
    const QString path = PartSetupPath(m_dataDir, m_area, name);
    if (CheckPartSetupName(name) || !QFileInfo::exists(path)) {
        m_prompter.ShowError(MissingFileText(QFileInfo(path).fileName()));
        return false;
    }
    if (!m_setup.LoadSetupArea(m_area, path)) return false;
    m_setup.SetSelectedName(m_area, name);
    m_setup.MarkChanged();
    m_result = Result::Loaded;
    return true;
}

bool PartSetupManager::Delete() {
    const QString name = m_box.trimmed();
    if (name.isEmpty()) return false;
    if (m_prompter.AskOkCancel(Fill(Translate("Delete setup %s?"), name)) != Answer::Ok) return false;
    // A name not in the list names no file of this vehicle: nothing to delete, the dialog stays.
    if (!m_names.contains(name)) return false;
    m_names.removeAll(name);
    m_box = m_names.value(0);
    QFile::remove(PartSetupPath(m_dataDir, m_area, name));
    m_result = Result::Deleted;
    return true;
}

bool PartSetupManager::CopyFromSetup(const QString& path) {
    if (!QFileInfo::exists(path)) {
        m_prompter.ShowError(MissingFileText(QFileInfo(path).fileName()));
        return true;
    }
    // A copied area is an edit of the setup like any loaded one.
    if (m_setup.LoadSetupArea(m_area, path)) {
        m_setup.MarkChanged();
        m_result = Result::Copied;
    }
    return true;
}

std::vector<SetupArea> ComposeSetup(SetupModel& setup, const QString& dataDir,
                                    const std::map<SetupArea, QString>& names) {
    std::vector<SetupArea> loaded;
    for (SetupArea area : kSetupAreaOrder) {
        const auto it = names.find(area);
        if (it == names.end()) continue;
        const QString name = it->second.trimmed();
        // Areas the vehicle lacks are skipped, whatever their box still holds.
        if (name.isEmpty() || CheckPartSetupName(name) || !setup.HasArea(area)) continue;
        const QString path = PartSetupPath(dataDir, area, name);
        if (!QFileInfo::exists(path)) continue;
        if (setup.LoadSetupArea(area, path)) loaded.push_back(area);
    }
    if (!loaded.empty()) setup.MarkChanged();
    return loaded;
}
