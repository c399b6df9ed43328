#include "jetting_guru.h"

#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <cmath>

namespace {

const QString kSection = QStringLiteral("jetting_guru");

QString SizeText(double size) {
    return FormatPattern(size, QStringLiteral("0"));
}

void SuggestLinear(const JettingGuruSettings& settings, double r1, double r2, double s,
                   JettingSuggestion& suggestion) {
    const bool diameter = settings.kind == JetSizeKind::Diameter;
    for (int row = 0; row < JettingGuruRowCount; ++row) {
        const JettingReferenceRow& reference = settings.rows[row];
        const std::optional<double> size1 = ParseDecimal(reference.size1);
        const std::optional<double> size2 = ParseDecimal(reference.size2);
        if (!size1 || !size2) {
            suggestion[row] = {};
            continue;
        }
        // Flow goes with the area: a diameter is interpolated as its square.
        const double j1 = diameter ? *size1 * *size1 : *size1;
        const double j2 = diameter ? *size2 * *size2 : *size2;
        const double slope = (j2 - j1) / (r2 - r1);
        double result = s * slope + (j1 - r1 * slope);
        if (result < 0) result = 0;
        if (diameter) result = std::sqrt(result);
        suggestion[row] = {reference.name, std::isfinite(result) ? SizeText(result) : QString()};
    }
}

void SuggestFourthRoot(const JettingGuruSettings& settings, double r1, double s,
                       JettingSuggestion& suggestion) {
    const bool diameter = settings.kind == JetSizeKind::Diameter;
    const double factor = std::pow(s / r1, 0.25); // NaN when s and r1 differ in sign
    for (int row = 0; row < JettingGuruRowCount; ++row) {
        const JettingReferenceRow& reference = settings.rows[row];
        const std::optional<double> size1 = ParseDecimal(reference.size1);
        if (!size1) {
            suggestion[row] = {};
            continue;
        }
        double result = 0;
        if (diameter) {
            const double product = std::sqrt(*size1) * factor;
            result = product * product;
        } else {
            result = *size1 * factor;
        }
        // No real root (opposite signs, a negative diameter): the row shows no size.
        suggestion[row] = {reference.name, std::isfinite(result) ? SizeText(result) : QString()};
    }
}

} // namespace

bool SuggestJetSizes(const JettingGuruSettings& settings, const QString& selectedValue,
                     JettingSuggestion& suggestion) {
    const std::optional<double> s = ParseDecimal(selectedValue);
    const std::optional<double> r1 = ParseDecimal(settings.reference1);
    if (!s || !r1) return false;
    if (settings.method == JettingMethod::Linear) {
        const std::optional<double> r2 = ParseDecimal(settings.reference2);
        if (!r2 || *r1 == *r2) return false;
        SuggestLinear(settings, *r1, *r2, *s, suggestion);
        return true;
    }
    if (*r1 == 0) return false;
    SuggestFourthRoot(settings, *r1, *s, suggestion);
    return true;
}

JettingGuruCaptions JettingGuruCaptionsFor(bool useAd) {
    JettingGuruCaptions captions;
    if (useAd) {
        captions.sentence = QLatin1Char('"') + Translate("With an AD value of");
        captions.unit = QStringLiteral("kg/m³");
        captions.reference1Heading = Translate("Low AD");
        captions.reference2Heading = Translate("High AD");
    } else {
        captions.sentence = QLatin1Char('"') + Translate("With a RAD value of");
        captions.unit = QStringLiteral(N_("%"));
        captions.reference1Heading = Translate("Low RAD");
        captions.reference2Heading = Translate("High RAD");
    }
    return captions;
}

JettingGuruModel::JettingGuruModel() : m_captions(JettingGuruCaptionsFor(false)) {
}

QString JettingGuruModel::WindowTitle() {
    return Translate("Jetting Guru!");
}
QStringList JettingGuruModel::PageTitles() {
    return {Translate("Suggestion"), Translate("Reference values")};
}
QString JettingGuruModel::SaysText() {
    return Translate("The Jetting Guru says:");
}
QString JettingGuruModel::SuggestText() {
    return Translate("I suggest the following jet sizes:") + QLatin1Char('"');
}
QStringList JettingGuruModel::MethodChoices() {
    return {Translate("Linear interpolation"), Translate("4th root")};
}
QString JettingGuruModel::KindCaption() {
    return Translate("Jet sizes are proportional to");
}
QStringList JettingGuruModel::KindChoices() {
    return {Translate("Flow (area)"), Translate("Diameter")};
}
QStringList JettingGuruModel::SuggestionColumnTitles() {
    return {Translate("Jet name"), Translate("Jet size")};
}
QStringList JettingGuruModel::ReferenceColumnTitles() {
    return {Translate("Jet name"), Translate("Jet size"), Translate("Jet size")};
}
QString JettingGuruModel::Explanation() {
    return Translate(
        "The Jetting Guru uses either linear interpolation or the 4th root of the ratio of air "
        "densities to calculate jet sizes.\nEnter values of \"perfect\" jet and RAD combinations "
        "here to use as reference values.");
}

void JettingGuruModel::JettingGuruMenuItemClick(const QString& airDensityText, bool useAd) {
    if (IsDecimalText(airDensityText)) m_selectedValue = airDensityText;
    SuggestJetSizes(m_settings, m_selectedValue, m_suggestion);
    m_changed = false;
    m_captions = JettingGuruCaptionsFor(useAd);
}

void JettingGuruModel::GuruIsDirty() {
    m_changed = true;
    SuggestJetSizes(m_settings, m_selectedValue, m_suggestion);
}

void JettingGuruModel::SetSelectedValue(const QString& text) {
    m_selectedValue = text;
    GuruIsDirty();
}

void JettingGuruModel::SetMethod(JettingMethod method) {
    m_settings.method = method;
    GuruIsDirty();
}

void JettingGuruModel::SetKind(JetSizeKind kind) {
    m_settings.kind = kind;
    GuruIsDirty();
}

void JettingGuruModel::SetReference1(const QString& text) {
    m_settings.reference1 = text;
    GuruIsDirty();
}

void JettingGuruModel::SetReference2(const QString& text) {
    m_settings.reference2 = text;
    GuruIsDirty();
}

void JettingGuruModel::SetReferenceCell(int row, int column, const QString& text) {
    JettingReferenceRow& reference = m_settings.rows.at(row);
    QString& cell = column == 0 ? reference.name : column == 1 ? reference.size1 : reference.size2;
    if (cell == text) return;
    cell = text;
    // A new reference size changes the suggestion and has to reach the settings file.
    GuruIsDirty();
}

void JettingGuruModel::SetSettings(const JettingGuruSettings& settings) {
    m_settings = settings;
    SuggestJetSizes(m_settings, m_selectedValue, m_suggestion);
}

void LoadJettingSettings(TTxtParser& parser, JettingGuruSettings& settings) {
    auto read = [&](const QString& key) { return parser.ReadValue(kSection, key); };
    auto readIndex = [&](const QString& key) -> std::optional<int> {
        const std::optional<int> index = ParseInteger(read(key));
        return index && (*index == 0 || *index == 1) ? index : std::nullopt;
    };
    const bool current = !read(QStringLiteral("version")).isEmpty();
    if (current) {
        if (const std::optional<int> method = readIndex(QStringLiteral("method")))
            settings.method = JettingMethod(*method);
        settings.reference1 = read(QStringLiteral("ref_rad1"));
    } else {
        settings.reference1 = read(QStringLiteral("ref_rad"));
    }
    settings.reference2 = read(QStringLiteral("ref_rad2"));
    if (const std::optional<int> kind = readIndex(QStringLiteral("jet_type_index")))
        settings.kind = JetSizeKind(*kind);
    const int rows = current ? JettingGuruRowCount : 6;
    const QString secondSuffix = current ? QStringLiteral("-2") : QStringLiteral("2");
    for (int row = 0; row < rows; ++row) {
        const QString n = QString::number(row + 1);
        JettingReferenceRow& reference = settings.rows[row];
        reference.name = read(QStringLiteral("name_jet") + n);
        reference.size1 = read(QStringLiteral("ref_jet") + n);
        reference.size2 = read(QStringLiteral("ref_jet") + n + secondSuffix);
    }
}

void SaveJettingSettings(TTxtParser& parser, const JettingGuruSettings& settings) {
    parser.WriteSection(kSection);
    parser.WriteValue(QStringLiteral("version"), QStringLiteral("1.0"));
    parser.WriteValue(QStringLiteral("method"), QString::number(int(settings.method)));
    parser.WriteValue(QStringLiteral("ref_rad1"), settings.reference1);
    parser.WriteValue(QStringLiteral("ref_rad2"), settings.reference2);
    parser.WriteValue(QStringLiteral("jet_type_index"), QString::number(int(settings.kind)));
    for (int row = 0; row < JettingGuruRowCount; ++row) {
        const QString n = QString::number(row + 1);
        parser.WriteValue(QStringLiteral("name_jet") + n, settings.rows[row].name);
        parser.WriteValue(QStringLiteral("ref_jet") + n, settings.rows[row].size1);
        parser.WriteValue(QStringLiteral("ref_jet") + n + QStringLiteral("-2"), settings.rows[row].size2);
    }
}
