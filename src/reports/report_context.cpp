#include "report_context.h"

#include "app/program_settings.h"
#include "html_escape.h"
#include "html_writer.h"
#include "storage/atomic_file.h"
#include "storage/file_names.h"
#include "storage/html_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ReportOptions ReportOptionsFromSettings(const ProgramSettings& settings) {
    ReportOptions options;
    options.backgroundColor = HtmlColor(quint32(settings.htmlBgColor));
    options.headerColor = HtmlColor(quint32(settings.htmlTableHeaderColor));
    options.contentColor = HtmlColor(quint32(settings.htmlTableContentColor));
    options.textColor = HtmlColor(quint32(settings.htmlTextColor));
    options.fontFamily = settings.htmlFontFamily;
    options.exportPartSetupNames = settings.htmlExportPartsetupNames;
    options.pageBreakBeforeSessions = settings.htmlExportPageBreakBeforeSessions;
    options.maxLapsInTable = settings.htmlSessionMaxLapsToShow;
    return options;
}

QString ReportBaseName(const QString& sessionFile) {
    if (sessionFile.isEmpty() || !QFileInfo::exists(sessionFile)) return QStringLiteral("untitled");
    QString path = sessionFile;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(path).completeBaseName();
}

QString ReportFileStem(const QString& sessionFile) {
    return SafeFileName(ReportBaseName(sessionFile));
}

QString ReportText(const ReportContext& context, const QString& text) {
    return HtmlEscapeText(text, context.charset);
}

QString ReportNotes(const ReportContext& context, const QString& notes) {
    // Notes come with LF or CR LF line ends; the link and line-break rules look for CR LF, and a link
    // must never run on into the next line.
    QString text = notes;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return LineBreaksToHtml(LinkifyText(ReportText(context, text)));
}

QString ReportFileTarget(const QString& fileName) {
    QString target = fileName;
    target.replace(QLatin1Char('%'), QStringLiteral("%25"));
    target.replace(QLatin1Char('#'), QStringLiteral("%23"));
    target.replace(QLatin1Char('?'), QStringLiteral("%3F"));
    return target;
}

QString ReportLink(const ReportContext& context, const QString& target, const QString& text) {
    return QStringLiteral("<A HREF=\"") + HtmlLinkTarget(target, context.charset) + QStringLiteral("\">") +
           ReportText(context, text) + QStringLiteral("</A>");
}

QString CopyReportLogo(const ReportContext& context) {
    if (context.logo.path.isEmpty()) return QString();
    QString source = context.logo.path;
    source.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString name = SafeFileName(QFileInfo(source).fileName());
    if (QFileInfo(source).fileName().isEmpty()) return QString();
    const QString target = QDir(context.exportFolder).filePath(name);
    // A failing copy is no error: an older copy, if any, is used (and stays whole).
    if (QFileInfo::exists(source) &&
        QFileInfo(source).absoluteFilePath() != QFileInfo(target).absoluteFilePath())
        (void)CopyFileAtomically(source, target);
    return QFileInfo::exists(target) ? name : QString();
}

void OpenReportDocument(THTMLWriter& writer, const ReportContext& context, const QString& filePath,
                        const QString& documentTitle) {
    writer.Charset = context.charset;
    writer.Open(filePath);
    if (context.now) writer.Now = context.now;
    writer.TextColor = context.options.textColor;
    writer.FontFace = HtmlEscapeAttribute(context.options.fontFamily, context.charset);
    writer.BackgroundColor = context.options.backgroundColor;
    writer.HeaderColor = context.options.headerColor;
    writer.ContentColor = context.options.contentColor;
    writer.WriteDocumentStart(ReportText(context, documentTitle));
}

void WriteReportTitleTable(THTMLWriter& writer, const ReportContext& context, const QString& logo,
                           const QString& pageTitle, const std::function<void()>& afterTitle) {
    writer.WriteLine(QStringLiteral("<TABLE CELLSPACING=\"2\" CELLPADDING=\"2\" ALIGN=\"center\">"));
    if (!logo.isEmpty()) {
        writer.WriteLine(QStringLiteral("<TR><TD ALIGN=\"center\">"));
        QString image = QStringLiteral("<IMG SRC=\"") +
                        HtmlLinkTarget(ReportFileTarget(logo), context.charset) + QLatin1Char('"');
        if (context.logo.width > 0 && context.logo.height > 0)
            image += QStringLiteral(" WIDTH=%1 HEIGHT=%2").arg(context.logo.width).arg(context.logo.height);
        writer.WriteLine(image + QStringLiteral(" ALT=\"Logotype\">"));
        writer.WriteLine(QStringLiteral("</TD></TR>"));
    }
    writer.WriteLine(QStringLiteral("<TR><TD ALIGN=\"center\">"));
    writer.WriteTitle(ReportText(context, pageTitle));
    if (afterTitle) afterTitle();
    writer.WriteLine(QStringLiteral("</TD></TR>"));
    writer.WriteLine(QStringLiteral("</TABLE>"));
}

void BeginReport(THTMLWriter& writer, const ReportContext& context, const QString& filePath,
                 const QString& documentTitle, const QString& pageTitle) {
    const QString logo = CopyReportLogo(context);
    OpenReportDocument(writer, context, filePath, documentTitle);
    WriteReportTitleTable(writer, context, logo, pageTitle);
    writer.BeginFrame(QStringLiteral("90%"));
}

void EndReportFrameAndDocument(THTMLWriter& writer, const ReportContext& context) {
    writer.EndFrame();
    writer.WriteFooter(ReportText(context, context.caption));
    writer.WriteDocumentEnd();
}
