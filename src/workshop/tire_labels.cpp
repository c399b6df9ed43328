#include "tire_labels.h"

#include "storage/number_format.h"
#include "storage/translate.h"

std::vector<int> TireTagColumns(VehicleType vehicle) {
    using namespace tire_col;
    std::vector<int> columns{Position, Brand, Dimension, Compound, Mileage, HeatCycles, Set};
    if (ShowsCircumference(vehicle)) columns.insert(columns.end(), {CircCurrent, CircNew, CircFirstUse});
    columns.insert(columns.end(), {DatePurchased, DateFirstUse});
    return columns;
}

QString DistanceUnitWord(bool miles) {
    return miles ? QStringLiteral("miles") : QStringLiteral("km");
}

QString TireMileageText(const QString& km, bool miles) {
    const auto value = ParseDecimal(ShownMileage(km.trimmed(), miles));
    return FormatPattern(value.value_or(0), QStringLiteral("0.000")) + u' ' + DistanceUnitWord(miles);
}

QString HistoryMileageText(const QString& km, bool miles) {
    const auto value = ParseDecimal(km.trimmed());
    if (!value) return QString();
    return FormatPattern(miles ? *value / 1.609 : *value, QStringLiteral("0.000")) + u' ' +
           DistanceUnitWord(miles);
}

QStringList TireLabelFront(const TireRecord& tire, VehicleType vehicle, bool miles) {
    using namespace tire_col;
    const QStringList captions = TireColumnCaptions();
    QStringList lines;
    std::vector<int> columns{Id, Position, Brand, Dimension, Compound, Mileage, HeatCycles};
    if (ShowsCircumference(vehicle)) columns.push_back(CircCurrent);
    columns.insert(columns.end(), {DatePurchased, DateFirstUse});
    for (int column : columns) {
        const QString value = column == Mileage ? TireMileageText(tire.fields.value(column), miles)
                                                : ShownTireField(tire.fields, column, miles);
        lines << captions.value(column) + QStringLiteral(" : ") + value;
    }
    return lines;
}

QStringList TireLabelHistory(const TireRecord& tire) {
    QStringList lines;
    for (const QStringList& entry : tire.history)
        lines << entry.value(history_col::Date) + QStringLiteral(" : ") + entry.value(history_col::Track) +
                     u' ' + entry.value(history_col::Laps) + u' ' + Translate("laps") + u' ';
    return lines;
}
