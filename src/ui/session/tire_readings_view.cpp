#include "tire_readings_view.h"

#include "session/session_tire_readings.h"
#include "storage/translate.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

TireReadingsView::TireReadingsView(SessionTireReadings& readings, QWidget* parent)
    : QGroupBox(Translate("Tire readings"), parent), m_readings(readings) {
    setObjectName(QStringLiteral("tireReadings"));
    auto* layout = new QVBoxLayout(this);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("tireReadingsTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_table);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    Refresh();
}

void TireReadingsView::Refresh() {
    const std::vector<TireReading> readings = m_readings.Readings();
    const bool circumference = !readings.empty() && readings.front().hasCircumference;
    QStringList titles = {Translate("Wheel"), Translate("Pressure (cold)"), Translate("Pressure hot"),
                          Translate("Increase")};
    if (circumference)
        titles << Translate("Circumference before") << Translate("Circumference after")
               << Translate("Difference") << Translate("Difference %");
    if (m_table->columnCount() != titles.size()) m_table->setColumnCount(int(titles.size()));
    m_table->setHorizontalHeaderLabels(titles);
    m_table->setRowCount(int(readings.size()));
    for (int row = 0; row < int(readings.size()); ++row) {
        const TireReading& r = readings[size_t(row)];
        QStringList cells = {Translate(r.wheel), r.cold, r.hot, r.increase};
        if (circumference) cells << r.before << r.after << r.difference << r.percent;
        for (int column = 0; column < cells.size(); ++column) {
            QTableWidgetItem* item = m_table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
                m_table->setItem(row, column, item);
            }
            if (item->text() != cells.at(column)) item->setText(cells.at(column));
        }
    }
    const int rowHeight = m_table->verticalHeader()->defaultSectionSize();
    // The group keeps to the table's width: the team logo covers the page's top right corner.
    int width = 2 * m_table->frameWidth() + 4;
    for (int column = 0; column < m_table->columnCount(); ++column)
        width += m_table->horizontalHeader()->sectionSize(column);
    m_table->setFixedWidth(width);
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height() +
                            rowHeight * int(readings.size()) + 2 * m_table->frameWidth() + 2);
}
