#pragma once
// What every session and setup report needs besides its data: the HTML options, the logo, the folder the
// report goes to, the main window's caption for the footer, and the escaping of user text for the
// declared character set.
#include "html_charset.h"
#include <QString>
#include <QStringList>
#include <functional>

struct ProgramSettings;
class THTMLWriter;

// The report options of the "HTML" options page; colours already in HTML form ("#RRGGBB").
struct ReportOptions {
    QString backgroundColor = QStringLiteral("#FFFFFF");
    QString headerColor = QStringLiteral("#669999");
    QString contentColor = QStringLiteral("#CCCCCC");
    QString textColor = QStringLiteral("#000000");
    QString fontFamily = QStringLiteral("Arial, Helvetica, sans-serif");
    bool exportPartSetupNames = false;    // "Export names of part setups"
    bool pageBreakBeforeSessions = false; // "Insert page-break before sessions in session export"
    int maxLapsInTable = 10;              // "List laptimes in a table if less than" N "laps"
};
ReportOptions ReportOptionsFromSettings(const ProgramSettings& settings);

// The picture shown as logo on the main window; width and height as shown there (0: not known, the
// image tag then leaves them out).
struct ReportLogo {
    QString path;
    int width = 0;
    int height = 0;
};

struct ReportContext {
    QString exportFolder; // ".\Exports\" of the data folder
    QString caption;      // the main window's caption, for the footer
    ReportOptions options;
    ReportLogo logo;
    HtmlCharset charset = HtmlCharset::Latin1;
    std::function<double()> now; // the footer's date-time; the wall clock when empty
};

// The report's base name: the session file's name without folder and extension, "untitled" when the
// session has no file (or its file does not exist).
QString ReportBaseName(const QString& sessionFile);
// The same made safe for a file name ("Kåge" -> "Kage", "A/B: C" -> "A_B- C").
QString ReportFileStem(const QString& sessionFile);

// Element text for the report's character set (every user text and caption goes through this).
QString ReportText(const ReportContext& context, const QString& text);
// Notes as report text: escaped, web addresses linked, line ends as "<BR>" (whatever line ends the
// text uses).
QString ReportNotes(const ReportContext& context, const QString& notes);
// A file name of the export folder as a relative link target: "%", "#" and "?" are percent-encoded so
// that they stay part of the name (they would start an escape, an anchor or a query).
QString ReportFileTarget(const QString& fileName);
// An anchor around escaped text: <A HREF="target">text</A>; the target is checked and escaped.
QString ReportLink(const ReportContext& context, const QString& target, const QString& text);

// Copies the logo into the export folder under its own file name (made safe), replacing an older copy.
// Returns the copy's file name when a copy exists afterwards (a failed copy keeps an older one), else
// an empty string.
QString CopyReportLogo(const ReportContext& context);

// Opens the writer on the file, sets the five properties and writes the document start with the title.
void OpenReportDocument(THTMLWriter& writer, const ReportContext& context, const QString& filePath,
                        const QString& documentTitle);
// The centred title table: the logo row when logo names its copy in the export folder (CopyReportLogo),
// then the title, followed inside its cell by whatever afterTitle writes.
void WriteReportTitleTable(THTMLWriter& writer, const ReportContext& context, const QString& logo,
                           const QString& pageTitle, const std::function<void()>& afterTitle = {});
// The common beginning: opens the writer on the file, sets the five properties, writes the document
// start with the title, the title block (logo and the title text) and begins the 90% frame.
void BeginReport(THTMLWriter& writer, const ReportContext& context, const QString& filePath,
                 const QString& documentTitle, const QString& pageTitle);
// The common end: ends the frame, writes the footer and the document end.
void EndReportFrameAndDocument(THTMLWriter& writer, const ReportContext& context);
