#pragma once
// The "Jetting Guru!": suggests jet sizes for the current air density (AD or RAD) from reference jet
// sizes the user found right at two other air densities. Two pages: "Suggestion" and "Reference values".
#include <QString>
#include <QStringList>
#include <array>

class TTxtParser;

constexpr int JettingGuruRowCount = 19;

enum class JettingMethod { Linear = 0, FourthRoot = 1 };
enum class JetSizeKind { Flow = 0, Diameter = 1 }; // "Jet sizes are proportional to"

struct JettingReferenceRow {
    QString name;
    QString size1; // jet size at reference 1
    QString size2; // jet size at reference 2
    bool operator==(const JettingReferenceRow&) const = default;
};

// What the settings file keeps of the guru.
struct JettingGuruSettings {
    JettingMethod method = JettingMethod::Linear;
    QString reference1;
    QString reference2;
    JetSizeKind kind = JetSizeKind::Flow;
    std::array<JettingReferenceRow, JettingGuruRowCount> rows;
    bool operator==(const JettingGuruSettings&) const = default;
};

struct JettingSuggestionRow {
    QString name;
    QString size;
};
using JettingSuggestion = std::array<JettingSuggestionRow, JettingGuruRowCount>;

// Fills the suggestion from the references for the selected value. False (suggestion untouched) when
// the method's inputs are not numbers, or reference 1 equals reference 2 (linear) or is 0 (4th root).
bool SuggestJetSizes(const JettingGuruSettings& settings, const QString& selectedValue,
                     JettingSuggestion& suggestion);

// The guru's captions for AD or RAD.
struct JettingGuruCaptions {
    QString sentence;          // "\"With a RAD value of" / "\"With an AD value of"
    QString unit;              // "%" / "kg/m³"
    QString reference1Heading; // "Low RAD" / "Low AD"
    QString reference2Heading; // "High RAD" / "High AD"
};
JettingGuruCaptions JettingGuruCaptionsFor(bool useAd);

class JettingGuruModel {
  public:
    JettingGuruModel();

    // Fixed texts of the window.
    static QString WindowTitle();                // "Jetting Guru!"
    static QStringList PageTitles();             // "Suggestion", "Reference values"
    static QString SaysText();                   // "The Jetting Guru says:"
    static QString SuggestText();                // "I suggest the following jet sizes:" and a closing quote
    static QStringList MethodChoices();          // "Linear interpolation", "4th root"
    static QString KindCaption();                // "Jet sizes are proportional to"
    static QStringList KindChoices();            // "Flow (area)", "Diameter"
    static QStringList SuggestionColumnTitles(); // "Jet name", "Jet size"
    static QStringList ReferenceColumnTitles();  // "Jet name", "Jet size", "Jet size"
    static QString Explanation();

    // The AD/RAD button or the menu command: takes the shown value when it is a number, recomputes,
    // clears the changed mark and sets the captions for AD or RAD.
    void JettingGuruMenuItemClick(const QString& airDensityText, bool useAd);
    // The window closes: true when it was changed while open (the settings file is to be written).
    bool FormClose() const { return m_changed; }

    void SetSelectedValue(const QString& text);
    void SetMethod(JettingMethod method);
    void SetKind(JetSizeKind kind);
    void SetReference1(const QString& text);
    void SetReference2(const QString& text);
    // column 0 name, 1 size at reference 1, 2 size at reference 2.
    void SetReferenceCell(int row, int column, const QString& text);
    void GuruIsDirty();

    const QString& SelectedValue() const { return m_selectedValue; }
    const JettingGuruSettings& Settings() const { return m_settings; }
    void SetSettings(const JettingGuruSettings& settings);
    const JettingSuggestion& Suggestion() const { return m_suggestion; }
    const JettingGuruCaptions& Captions() const { return m_captions; }
    bool IsChanged() const { return m_changed; }

  private:
    JettingGuruSettings m_settings;
    QString m_selectedValue;
    JettingSuggestion m_suggestion;
    JettingGuruCaptions m_captions;
    bool m_changed = false;
};

// The section "jetting_guru" of the settings file. Without "version" the older key set is read.
void LoadJettingSettings(TTxtParser& parser, JettingGuruSettings& settings);
void SaveJettingSettings(TTxtParser& parser, const JettingGuruSettings& settings);
