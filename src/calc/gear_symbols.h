#pragma once
// The six gear symbol tables: per gear up to 25 named gear sets (symbol, input teeth, output teeth),
// so that with "Use gear symbols" a gear is chosen by name instead of typing its teeth.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

constexpr int GearCount = 6;
constexpr int GearSymbolRowCount = 25;

struct GearSymbolRow {
    QString symbol;
    QString input;
    QString output;
};

enum class GearSymbolColumn { Symbol = 0, Input = 1, Output = 2 };

class GearSymbolTable {
  public:
    const GearSymbolRow& Row(int row) const { return m_rows.at(row); }
    GearSymbolRow& Row(int row) { return m_rows.at(row); }
    void SetCell(int row, GearSymbolColumn column, const QString& text);

    // The non-empty symbols in row order: the choices of the gear's symbol box.
    QStringList Symbols() const;
    // The first row whose symbol equals the text, if any.
    std::optional<GearSymbolRow> Find(const QString& symbol) const;

  private:
    std::array<GearSymbolRow, GearSymbolRowCount> m_rows;
};

// Column titles of the symbol grids.
QStringList GearSymbolColumnTitles();
// Ordinal names used in setup keys: "first" .. "sixth".
QString GearOrdinal(int gear);
