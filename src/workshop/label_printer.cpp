#include "label_printer.h"

#include "storage/number_format.h"
#include "storage/translate.h"

#include <cmath>

std::optional<QString> CheckLabelLayout(const LabelLayout& layout) {
    if (layout.columns < 1) return Translate("The number of columns must be a whole number of at least 1.");
    if (!(layout.labelWidth > 0) || !(layout.labelHeight > 0) || !std::isfinite(layout.labelWidth) ||
        !std::isfinite(layout.labelHeight))
        return Translate("The label width and height must be numbers above 0.");
    if (!(layout.leftIndent >= 0) || !(layout.topIndent >= 0) || !std::isfinite(layout.leftIndent) ||
        !std::isfinite(layout.topIndent))
        return Translate("The indents must be numbers of at least 0.");
    if (layout.fontSize < 1) return Translate("The font size must be at least 1.");
    return std::nullopt;
}

LabelDialogValues LabelDialogValuesOf(const LabelLayout& layout) {
    LabelDialogValues values;
    values.columns = QString::number(layout.columns);
    values.labelWidth = FormatGeneral(layout.labelWidth);
    values.labelHeight = FormatGeneral(layout.labelHeight);
    values.leftIndent = FormatGeneral(layout.leftIndent);
    values.topIndent = FormatGeneral(layout.topIndent);
    values.fontName = layout.fontName;
    values.fontSize = layout.fontSize;
    return values;
}

LabelDialogResult LabelLayoutOf(const LabelDialogValues& values, bool millimetres) {
    LabelDialogResult result;
    LabelLayout layout;
    layout.millimetres = millimetres;
    const auto columns = ParseInteger(values.columns.trimmed());
    if (!columns) {
        result.error = Translate("The number of columns must be a whole number of at least 1.");
        return result;
    }
    layout.columns = *columns;
    const std::pair<const QString*, double*> sizes[] = {{&values.labelWidth, &layout.labelWidth},
                                                        {&values.labelHeight, &layout.labelHeight},
                                                        {&values.leftIndent, &layout.leftIndent},
                                                        {&values.topIndent, &layout.topIndent}};
    for (const auto& [text, value] : sizes) {
        const auto number = ParseDecimal(text->trimmed());
        if (!number) {
            result.error = Translate("Bad format, it must be a floating point value!");
            return result;
        }
        *value = *number;
    }
    layout.fontName = values.fontName;
    layout.fontSize = values.fontSize;
    if (const auto problem = CheckLabelLayout(layout)) {
        result.error = *problem;
        return result;
    }
    result.layout = layout;
    return result;
}

QString LabelSizeUnit(bool millimetres) {
    return millimetres ? QStringLiteral("mm") : QStringLiteral("in.");
}

bool TPrtLabels::BeginJob(const LabelLayout& layout) {
    if (CheckLabelLayout(layout)) return false;
    const double perUnit = layout.millimetres ? 1 / 25.4 : 1;
    const auto pixels = [&](double size, int dpi) { return int(std::trunc(size * dpi * perUnit)); };
    const int dpiX = m_printer.DotsPerInchX();
    const int dpiY = m_printer.DotsPerInchY();
    m_labelWidth = pixels(layout.labelWidth, dpiX);
    m_labelHeight = pixels(layout.labelHeight, dpiY);
    const int leftIndent = pixels(layout.leftIndent, dpiX);
    m_topIndent = pixels(layout.topIndent, dpiY);
    m_columnX.clear();
    for (int column = 0; column < layout.columns; ++column)
        m_columnX.push_back(leftIndent + column * m_labelWidth);
    if (!m_printer.BeginDocument(layout.fontName, layout.fontSize)) return false;
    m_lineHeight = m_printer.TextHeight(QStringLiteral("X"));
    // A printer that cannot measure its font prints no text rather than dividing by nothing.
    m_linesPerLabel = m_lineHeight > 0 ? m_labelHeight / m_lineHeight : 0;
    m_rowsOfText = 0;
    m_pending.clear();
    m_rowStart = -1;
    m_started = true;
    return true;
}

void TPrtLabels::AddLabel(const QStringList& lines) {
    if (!m_started) return;
    const QStringList kept = lines.mid(0, m_linesPerLabel);
    m_rowsOfText = std::max(m_rowsOfText, int(kept.size()));
    m_pending.push_back(kept);
    if (m_pending.size() == m_columnX.size()) PrintRow();
}

void TPrtLabels::PrintRow() {
    if (m_rowStart < 0) {
        m_rowStart = m_topIndent;
    } else if (m_printer.PageHeight() < m_rowStart + 2 * m_labelHeight) {
        m_printer.NewPage();
        m_rowStart = m_topIndent;
    } else {
        m_rowStart += m_labelHeight;
    }
    for (int line = 0; line < m_rowsOfText; ++line)
        for (std::size_t column = 0; column < m_pending.size(); ++column)
            if (line < m_pending[column].size())
                m_printer.TextOut(m_columnX[column], m_rowStart + line * m_lineHeight,
                                  m_pending[column].at(line));
    m_pending.clear();
}

void TPrtLabels::EndJob() {
    if (!m_started) return;
    if (!m_pending.empty()) PrintRow();
    m_printer.EndDocument();
    m_started = false;
}
