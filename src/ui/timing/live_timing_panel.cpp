#include "live_timing_panel.h"

#include "driver_slot_panel.h"
#include "timing/live_timing_model.h"
#include "timing/live_timing_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
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
    bar->addStretch(1);
    layout->addLayout(bar);
    // The buttons take a row of their own: with longer translated captions one row would run under the
    // team logo at the page's top right.
    auto* buttons = new QHBoxLayout;
    m_reset = new QToolButton(this);
    m_reset->setObjectName(QStringLiteral("ResetSessionsToolButton"));
    m_reset->setText(texts.resetLapTimes);
    m_reset->setToolTip(texts.resetLapTimesHint);
    buttons->addWidget(m_reset);
    m_startActive = new QToolButton(this);
    m_startActive->setObjectName(QStringLiteral("StartActiveDriversToolButton"));
    m_startActive->setText(texts.startActiveDrivers);
    buttons->addWidget(m_startActive);
    buttons->addStretch(1);
    layout->addLayout(buttons);

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
        panel->installEventFilter(this); // a column that moves may come under the obstacle
    }
    // Without a notes panel an empty one keeps slot 1 at its quarter of the width.
    if (!m_notesPanel) m_notesPanel = new QWidget(this);
    m_notesHolder = new QWidget(this);
    m_notesHolder->setObjectName(QStringLiteral("sessionNotesHolder"));
    auto* holderLayout = new QVBoxLayout(m_notesHolder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    holderLayout->addWidget(m_notesPanel);
    slots->addWidget(m_notesHolder, 3);
    m_notesHolder->installEventFilter(this);
    m_slotsLayout = slots;
    layout->addLayout(slots, 1);
    Refresh();
}

void LiveTimingPanel::KeepClearOf(QWidget* obstacle) {
    if (m_obstacle) m_obstacle->removeEventFilter(this);
    m_obstacle = obstacle;
    if (m_obstacle) m_obstacle->installEventFilter(this);
    UpdateRoom();
}

void LiveTimingPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateRoom();
}

bool LiveTimingPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) UpdateRoom();
    return QWidget::eventFilter(watched, event);
}

void LiveTimingPanel::UpdateRoom() {
    // A column whose width meets the obstacle starts below it; the columns left of it keep the room.
    QRect obstacle;
    if (m_obstacle && m_obstacle->isVisible())
        obstacle = QRect(m_obstacle->mapToGlobal(QPoint(0, 0)), m_obstacle->size());
    auto roomFor = [&](QWidget* column) {
        if (obstacle.isNull() || !column->isVisible()) return 0;
        const QPoint topLeft = column->mapToGlobal(QPoint(0, 0));
        const bool below = topLeft.x() + column->width() > obstacle.left() && topLeft.x() < obstacle.right();
        return below ? std::max(0, obstacle.bottom() + 1 - topLeft.y()) : 0;
    };
    for (DriverSlotPanel* panel : m_slots)
        panel->SetTopRoom(roomFor(panel));
    auto* holder = static_cast<QVBoxLayout*>(m_notesHolder->layout());
    holder->setContentsMargins(0, roomFor(m_notesHolder), 0, 0);
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
    m_notesHolder->setVisible(m_model.NotesPanelVisible());
    // Alone, slot 1 takes two fifths of the row beside the notes; with all drivers each slot a quarter.
    m_slotsLayout->setStretchFactor(m_slots[0], m_model.ShowAllDrivers() ? 1 : 2);
}
