#include "weight_distribution_page.h"

#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char* const kCorners[] = {"fl", "fr", "rl", "rr"};

} // namespace

WeightDistributionPage::WeightDistributionPage(AppState& state, SetupModel& setup)
    : m_state(state), m_setup(setup) {
    m_connections += m_setup.areaLoaded.Connect([this](SetupArea area) {
        if (area == SetupArea::WeightDistribution) Recalculate();
    });
    Recalculate();
}

QString WeightDistributionPage::WeightKey(int corner) {
    return QStringLiteral("weight_car_") + QLatin1String(kCorners[corner]);
}

QString WeightDistributionPage::PercentKey(int corner) {
    return WeightKey(corner) + QStringLiteral("_percent");
}

QString WeightDistributionPage::TotalKey() {
    return QStringLiteral("weight_car_total");
}

QString WeightDistributionPage::BallastKey() {
    return QStringLiteral("weight_car_ballast");
}

QString WeightDistributionPage::Text(const QString& key) const {
    return m_setup.Text(QLatin1String(kSection), key);
}

WeightInputs WeightDistributionPage::Inputs() const {
    WeightInputs inputs;
    for (int corner = 0; corner < 4; ++corner) {
        inputs.weights[size_t(corner)] = Text(WeightKey(corner));
        inputs.percents[size_t(corner)] = Text(PercentKey(corner));
    }
    inputs.total = Text(TotalKey());
    return inputs;
}

void WeightDistributionPage::SetText(const QString& key, const QString& text) {
    if (Text(key) == text) return;
    m_setup.SetEditingPage(QLatin1String(kSubPage));
    m_setup.SetText(QLatin1String(kSection), key, text);
    if (key == BallastKey()) return;
    if (key.endsWith(QLatin1String("_percent")) || key == TotalKey())
        m_model.DesiredChanged(Inputs());
    else
        m_model.CornerWeightChanged(Inputs());
    changed.Emit();
}

void WeightDistributionPage::SetMode(WeightMode mode) {
    m_model.SetMode(mode, Inputs());
    changed.Emit();
}

void WeightDistributionPage::Recalculate() {
    m_model.Recalculate(Inputs());
    changed.Emit();
}

QString WeightDistributionPage::PictureFile() const {
    const QString stored = m_state.Settings().carWeightImageName;
    if (stored.isEmpty()) return QString();
    const QString path = QDir(m_state.DataFolder()).absoluteFilePath(stored);
    return QFileInfo(path).isFile() ? path : QString();
}

bool WeightDistributionPage::ChoosePicture(const QString& filter) {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return false;
    const std::optional<QString> chosen =
        prompter->ChooseOpenFile(Translate("Select picture"), m_state.DataFolder(), filter);
    if (!chosen) return false;
    m_state.Settings().carWeightImageName = QFileInfo(*chosen).isFile() ? *chosen : QString();
    m_state.SaveSettings();
    changed.Emit();
    return true;
}
