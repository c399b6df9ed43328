#include "tire_tags.h"

#include "html_writer.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "workshop/tire_labels.h"

#include <QDir>

QString TireTagsFileName() {
    return QStringLiteral("tiretags.htm");
}

Expected<QString, QString> WriteTireTags(const ReportContext& context, const std::vector<TireRecord>& tires,
                                         VehicleType vehicle, bool miles) {
    const QString path = QDir(context.exportFolder).filePath(TireTagsFileName());
    const QStringList captions = TireColumnCaptions();
    THTMLWriter w;
    OpenReportDocument(w, context, path, QStringLiteral("Vorlapa ") + Translate("Tire Tags"));
    const auto text = [&](const QString& value) { return ReportText(context, value); };
    for (std::size_t index = 0; index < tires.size(); ++index) {
        const TireRecord& tire = tires[index];
        w.BeginFrame(QStringLiteral("90%"));
        w.WriteSectionHeader(text(Translate("Id: ") + tire.fields.value(tire_col::Id)),
                             text(Translate("History")), false);
        w.BeginSectionCell();
        w.BeginTable();
        for (int column : TireTagColumns(vehicle)) {
            const QString value = column == tire_col::Mileage
                                      ? TireMileageText(tire.fields.value(column), miles)
                                      : ShownTireField(tire.fields, column, miles).trimmed();
            w.WriteRow(text(captions.value(column)), text(value));
        }
        w.EndTable();
        w.EndSectionCell();

        w.BeginSectionCell();
        if (!tire.history.isEmpty()) {
            w.BeginTable();
            for (const QStringList& entry : tire.history) {
                w.WriteBoldText(text(entry.value(history_col::Date)));
                w.WriteLine(QStringLiteral("<br>"));
                for (int column = history_col::Driver; column <= history_col::Vehicle; ++column) {
                    QString value = entry.value(column);
                    if (column == history_col::Laps) value += u' ' + Translate("laps");
                    if (column == history_col::Mileage) value = HistoryMileageText(value, miles);
                    w.WriteText(text(value + u' '));
                }
                w.WriteLine(QStringLiteral("<br>"));
            }
            w.EndTable();
        }
        w.EndSectionCell();
        w.EndSectionRow();
        w.EndFrame();
        if (index % 2 == 1 && index + 1 < tires.size()) w.WritePageBreak();
        w.WriteLine(QStringLiteral("<br><br>"));
    }
    w.WriteFooter(text(context.caption));
    w.WriteDocumentEnd();
    if (auto closed = w.Close(); !closed) return Unexpected(closed.error());
    return path;
}
