#include "power_chart_window.h"

#include "chart_view.h"
#include "session/setup_calculators.h"
#include "storage/translate.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

TPowerChartForm::TPowerChartForm(SetupCalculators& calculators, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_calculators(calculators) {
    setObjectName(QStringLiteral("PowerChartForm"));
    setWindowTitle(Translate("Power Chart"));
    auto* layout = new QVBoxLayout(this);
    m_chart = new ChartView(this);
    m_chart->setObjectName(QStringLiteral("powerChart"));
    m_chart->setContextMenuPolicy(Qt::NoContextMenu); // the window's own menu
    layout->addWidget(m_chart, 1);
    m_readout = new QLabel(this);
    m_readout->setObjectName(QStringLiteral("powerChartReadout"));
    layout->addWidget(m_readout);
    connect(m_chart, &ChartView::pointerMoved, m_readout, &QLabel::setText);
    resize(820, 560);
    Refresh();
}

void TPowerChartForm::Refresh() {
    m_chart->Show(m_calculators.PowerChart().Chart());
}

void TPowerChartForm::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const QStringList choices = PowerChartModel::ContextMenuChoices();
    QAction* power = menu.addAction(choices.value(0));
    QAction* force = menu.addAction(choices.value(1));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == power)
        m_calculators.ShowPowerMenuItemClick();
    else if (chosen == force)
        m_calculators.ShowDrivingForceMenuItemClick();
}

void TPowerChartForm::reject() {
    QDialog::reject();
    m_calculators.PowerChartFormClose();
}
