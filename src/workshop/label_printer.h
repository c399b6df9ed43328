#pragma once
// Tire labels on a label printer or label sheets: the layout (sizes in mm or inches), its checks, and
// TPrtLabels, which sets out the labels in columns and rows on the pages of a printer back end.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What TPrtLabels needs of a printer. Sizes and positions in printer pixels.
class LabelPrinter {
  public:
    virtual ~LabelPrinter() = default;
    // Starts the document with the font; false when the printer cannot start.
    virtual bool BeginDocument(const QString& fontName, int fontSize) = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    virtual int PageHeight() const = 0;
    virtual int DotsPerInchX() const = 0;
    virtual int DotsPerInchY() const = 0;
    virtual int TextHeight(const QString& text) const = 0;
    virtual void TextOut(int x, int y, const QString& text) = 0;
};

// The label layout kept in the settings section "tire_print_labels": sizes in mm with the metric unit
// system, otherwise in inches.
struct LabelLayout {
    bool millimetres = true;
    double labelWidth = 70;
    double labelHeight = 67.7;
    double leftIndent = 5;
    double topIndent = 5;
    int columns = 3;
    QString fontName;
    int fontSize = 8;
};

// std::nullopt when the layout can be printed, else the message: columns at least 1, label sizes above 0,
// indents not negative, font size above 0.
std::optional<QString> CheckLabelLayout(const LabelLayout& layout);

// The "Print labels" dialog's entries as typed.
struct LabelDialogValues {
    QString columns, labelWidth, labelHeight, leftIndent, topIndent;
    QString fontName;
    int fontSize = 8;
    bool includeHistory = false;
};
LabelDialogValues LabelDialogValuesOf(const LabelLayout& layout);
// The layout of the entries, or the message of the first bad one.
struct LabelDialogResult {
    std::optional<LabelLayout> layout;
    QString error;
};
LabelDialogResult LabelLayoutOf(const LabelDialogValues& values, bool millimetres);
// "mm" for the metric unit system, else "in.".
QString LabelSizeUnit(bool millimetres);

class TPrtLabels {
  public:
    explicit TPrtLabels(LabelPrinter& printer) : m_printer(printer) {}

    // Converts the sizes to printer pixels, sets the columns and the lines per label and starts the
    // document. Refused (false, nothing started) for a layout CheckLabelLayout refuses.
    bool BeginJob(const LabelLayout& layout);
    // A label: at most lines-per-label of its lines; a full row is printed.
    void AddLabel(const QStringList& lines);
    // Prints the pending row, if any, and ends the document.
    void EndJob();

    // The geometry of the job, in printer pixels.
    const std::vector<int>& ColumnX() const { return m_columnX; }
    int LinesPerLabel() const { return m_linesPerLabel; }
    int LabelHeight() const { return m_labelHeight; }

  private:
    void PrintRow();

    LabelPrinter& m_printer;
    std::vector<int> m_columnX;
    int m_labelWidth = 0;
    int m_labelHeight = 0;
    int m_topIndent = 0;
    int m_lineHeight = 0;
    int m_linesPerLabel = 0;
    int m_rowsOfText = 0;
    std::vector<QStringList> m_pending;
    int m_rowStart = -1; // y of the last printed row on this page; -1: none yet
    bool m_started = false;
};
