#include "live_timing_panel.h"

#include "driver_slot_panel.h"
#include "timing/live_timing_model.h"
#include "timing/live_timing_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

LiveTimingPanel::LiveTimingPanel(LiveTimingModel& model, QWidget* notesPanel, QWidget* parent)
    : QWidget(parent), m_model(model), m_notesPanel(notesPanel) {
    setObjectName(QStringLiteral("liveTimingPanel"));
    const LiveTimingTexts texts = MakeLiveTimingTexts();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* bar = new QHBoxLayout;
    m_showAll = new QCheckBox(texts.showAllDrivers, this);
    m_showAll->setObjectName(QStringLiteral("ShowAllDriversCheckBox"));
    bar->addWidget(m_showAll);
    bar->addSpacing(16);
    bar->addWidget(new QLabel(texts.splitsLabel, this));
    m_splits = new QComboBox(this);
    m_splits->setObjectName(QStringLiteral("SplitTimesComboBox"));
    m_splits->addItems(texts.splitsItems);
    bar->addWidget(m_splits);
    bar->addSpacing(16);
    m_reset = new QToolButton(this);
    m_reset->setObjectName(QStringLiteral("ResetSessionsToolButton"));
    m_reset->setText(texts.resetLapTimes);
    m_reset->setToolTip(texts.resetLapTimesHint);
    bar->addWidget(m_reset);
    m_startActive = new QToolButton(this);
    m_startActive->setObjectName(QStringLiteral("StartActiveDriversToolButton"));
    m_startActive->setText(texts.startActiveDrivers);
    bar->addWidget(m_startActive);
    bar->addStretch(1);
    layout->addLayout(bar);

    connect(m_showAll, &QCheckBox::toggled, this,
            [this](bool checked) { m_model.SetShowAllDrivers(checked); });
    connect(m_splits, &QComboBox::textActivated, this, [this](const QString& text) {
        Q_EMIT aboutToOperate();
        m_model.SetSplitsText(text);
        Refresh(); // a refused change puts the box back
    });
    connect(m_reset, &QToolButton::clicked, this, [this] {
        Q_EMIT aboutToOperate();
        m_model.ResetLapTimes();
    });
    connect(m_startActive, &QToolButton::clicked, this, [this] {
        Q_EMIT aboutToOperate();
        m_model.StartActiveDrivers();
    });

    auto* slots = new QHBoxLayout;
    for (int i = 1; i <= 4; ++i) {
        auto* panel = new DriverSlotPanel(m_model, i, this);
        connect(panel, &DriverSlotPanel::aboutToOperate, this, &LiveTimingPanel::aboutToOperate);
        m_slots[size_t(i - 1)] = panel;
        slots->addWidget(panel, 1);
    }
    // Without a notes panel an empty one keeps slot 1 at its quarter of the width.
    if (!m_notesPanel) m_notesPanel = new QWidget(this);
    m_notesPanel->setParent(this);
    slots->addWidget(m_notesPanel, 3);
    layout->addLayout(slots, 1);
    Refresh();
}

void LiveTimingPanel::Refresh() {
    if (m_showAll->isChecked() != m_model.ShowAllDrivers()) {
        const QSignalBlocker block(m_showAll);
        m_showAll->setChecked(m_model.ShowAllDrivers());
    }
    if (m_splits->currentText() != m_model.SplitsText()) {
        const QSignalBlocker block(m_splits);
        m_splits->setCurrentText(m_model.SplitsText());
    }
    m_splits->setEnabled(m_model.SplitsEnabled());
    m_reset->setEnabled(m_model.ResetEnabled());
    m_startActive->setVisible(m_model.StartActiveDriversVisible());
    for (int i = 1; i <= 4; ++i) {
        DriverSlotPanel* panel = m_slots[size_t(i - 1)];
        panel->setVisible(m_model.SlotPanelVisible(i));
        panel->Refresh();
    }
    m_notesPanel->setVisible(m_model.NotesPanelVisible());
}
