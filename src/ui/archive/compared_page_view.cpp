#include "compared_page_view.h"

#include "archive/compared_page.h"
#include "storage/translate.h"
#include "ui/widgets/text_grid_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ComparedPageView::ComparedPageView(ComparedPage& page, QWidget* host) : QWidget(host), m_page(page) {
    auto* hostLayout = new QVBoxLayout(host);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    hostLayout->addWidget(this);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* exportButton = new QPushButton(Translate("Export to HTML"), this);
    exportButton->setObjectName(QStringLiteral("ExportComparedButton"));
    exportButton->setToolTip(Translate("Export compared sessions to HTML"));
    bar->addWidget(exportButton);
    bar->addStretch(1);
    layout->addLayout(bar);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("CompareStringGrid"));
    m_model = new TextGridModel(page.Grid(), nullptr, this);
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignBottom);
    // The header (the file names) is four rows high.
    m_table->horizontalHeader()->setFixedHeight(4 * (m_table->fontMetrics().height() + 6));
    layout->addWidget(m_table, 1);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        if (onExport) onExport();
    });
    m_connections += page.changed.Connect([this] { Redraw(); });
    Redraw();
}

ComparedPageView::~ComparedPageView() = default;

void ComparedPageView::Redraw() {
    const QFontMetrics metrics = m_table->fontMetrics();
    const QList<int> widths =
        m_page.ColumnWidths([&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    for (int column = 0; column < widths.size(); ++column)
        m_table->setColumnWidth(column, std::max(widths[column], column == 0 ? 60 : 80));
}
