#include "gear_symbols.h"

#include "storage/translate.h"

void GearSymbolTable::SetCell(int row, GearSymbolColumn column, const QString& text) {
    GearSymbolRow& cells = m_rows.at(row);
    switch (column) {
    case GearSymbolColumn::Symbol:
        cells.symbol = text;
        break;
    case GearSymbolColumn::Input:
        cells.input = text;
        break;
    case GearSymbolColumn::Output:
        cells.output = text;
        break;
    }
}

QStringList GearSymbolTable::Symbols() const {
    QStringList symbols;
    for (const GearSymbolRow& row : m_rows)
        if (!row.symbol.isEmpty()) symbols << row.symbol;
    return symbols;
}

std::optional<GearSymbolRow> GearSymbolTable::Find(const QString& symbol) const {
    if (symbol.isEmpty()) return std::nullopt;
    for (const GearSymbolRow& row : m_rows)
        if (row.symbol == symbol) return row;
    return std::nullopt;
}

QStringList GearSymbolColumnTitles() {
    return {Translate("Symbol"), Translate("Input"), Translate("Output")};
}

QString GearOrdinal(int gear) {
    static const char* const names[GearCount] = {"first", "second", "third", "fourth", "fifth", "sixth"};
    return QString::fromLatin1(names[gear]);
}
