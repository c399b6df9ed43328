#include "driver_slot_panel.h"

#include "lap_table_model.h"
#include "storage/translate.h"
#include "timing/live_timing_model.h"
#include "timing/live_timing_texts.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

DriverSlotPanel::DriverSlotPanel(LiveTimingModel& model, int slot, QWidget* parent)
    : QWidget(parent), m_model(model), m_slot(slot) {
    setObjectName(QStringLiteral("driverSlot%1").arg(slot));
    // The slots share the width equally, whatever their texts; the buttons need the minimum.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(kMinimumWidth);
    const SlotControlTexts texts = ControlTextsOf(slot);
    const LiveTimingTexts captions = MakeLiveTimingTexts();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);

    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("Driver%1NameComboBox").arg(slot));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    layout->addWidget(m_name);
    connect(m_name->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.SetDriverName(m_slot, text); });
    connect(m_name, &QComboBox::activated, this,
            [this](int index) { m_model.SetDriverName(m_slot, m_name->itemText(index)); });
    connect(m_name->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { m_model.DriverNameExit(m_slot); });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    auto makeButton = [this](const QString& name, const QString& caption, const QString& hint) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setFocusPolicy(Qt::NoFocus); // the function keys stay with the window
        button->setMinimumWidth(40);
        return button;
    };
    m_start = makeButton(QStringLiteral("StartSessionDriver%1Button").arg(slot), texts.startCaption,
                         texts.startHint);
    m_stop =
        makeButton(QStringLiteral("StopSessionDriver%1Button").arg(slot), texts.stopCaption, texts.stopHint);
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    m_stopwatch = new QToolButton(this);
    m_stopwatch->setObjectName(QStringLiteral("TimeDriver%1SpeedButton").arg(slot));
    m_stopwatch->setText(FunctionKeyName(slot));
    m_stopwatch->setToolTip(texts.stopwatchHint);
    m_stopwatch->setFocusPolicy(Qt::NoFocus);
    m_stopwatch->setMinimumWidth(48);
    buttons->addWidget(m_stopwatch, 1);
    m_undo = new QToolButton(this);
    m_undo->setObjectName(QStringLiteral("UndoDriver%1SpeedButton").arg(slot));
    m_undo->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_undo->setToolTip(texts.undoHint);
    m_undo->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(m_undo);
    m_pitIn =
        makeButton(QStringLiteral("Driver%1PitInButton").arg(slot), texts.pitInCaption, texts.pitInHint);
    m_pitOut =
        makeButton(QStringLiteral("Driver%1PitoutButton").arg(slot), texts.pitOutCaption, texts.pitOutHint);
    buttons->addWidget(m_pitIn);
    buttons->addWidget(m_pitOut);
    layout->addLayout(buttons);
    connect(m_start, &QPushButton::clicked, this, [this] { Operate(&LiveTimingModel::Start); });
    connect(m_stop, &QPushButton::clicked, this, [this] { Operate(&LiveTimingModel::Stop); });
    connect(m_stopwatch, &QToolButton::clicked, this, [this] { Operate(&LiveTimingModel::StopwatchPress); });
    connect(m_undo, &QToolButton::clicked, this, [this] { Operate(&LiveTimingModel::Undo); });
    connect(m_pitIn, &QPushButton::clicked, this, [this] { Operate(&LiveTimingModel::PitIn); });
    connect(m_pitOut, &QPushButton::clicked, this, [this] { Operate(&LiveTimingModel::PitOut); });

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("StringGrid%1").arg(slot));
    m_tableModel = new LapTableModel(m_model.Slot(slot).table, m_table);
    m_table->setModel(m_tableModel);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setMinimumHeight(120);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QTableView::customContextMenuRequested, this, [this, captions](const QPoint& at) {
        QMenu menu(this);
        QAction* enter = menu.addAction(captions.enterLapTimesManually);
        QAction* edit = menu.addAction(captions.editLapTimes);
        enter->setEnabled(bool(m_model.requestEnterLapTimes));
        edit->setEnabled(bool(m_model.requestEditLapTimes));
        QAction* chosen = menu.exec(m_table->viewport()->mapToGlobal(at));
        if (chosen == enter && m_model.requestEnterLapTimes) m_model.requestEnterLapTimes(m_slot);
        if (chosen == edit && m_model.requestEditLapTimes) m_model.requestEditLapTimes(m_slot);
    });
    connect(m_table, &QTableView::doubleClicked, this, [this] {
        if (m_model.requestEditLapTimes) m_model.requestEditLapTimes(m_slot);
    });
    layout->addWidget(m_table, 1);

    m_figures = new QGridLayout;
    m_figures->setHorizontalSpacing(6);
    m_figures->setVerticalSpacing(1);
    m_startText = AddFigure(captions.startLabel);
    m_elapsed = AddFigure(captions.elapsedLabel);
    m_best = AddFigure(captions.bestLabel);
    m_mean = AddFigure(captions.meanLabel);
    m_distance = AddFigure(captions.distanceLabel);
    m_theoretical = AddFigure(captions.theoreticalLabel);
    m_bestSpeed = new QLabel(this);
    m_meanSpeed = new QLabel(this);
    m_figures->setColumnStretch(1, 1);
    PlaceFigures(true);
    layout->addLayout(m_figures);
    m_startText->setObjectName(QStringLiteral("SessionStartDriver%1Label").arg(slot));
    m_elapsed->setObjectName(QStringLiteral("ElapsedTimeDriver%1Label").arg(slot));
    m_best->setObjectName(QStringLiteral("BestLapDriver%1Label").arg(slot));
    m_bestSpeed->setObjectName(QStringLiteral("BestAverageSpeedDriver%1Label").arg(slot));
    m_mean->setObjectName(QStringLiteral("MeanLapDriver%1Label").arg(slot));
    m_meanSpeed->setObjectName(QStringLiteral("MeanSpeedDriver%1Label").arg(slot));
    m_distance->setObjectName(QStringLiteral("DistanceDriver%1Label").arg(slot));
    m_theoretical->setObjectName(QStringLiteral("TheoreticalBestDriver%1Label").arg(slot));
    m_theoretical->setToolTip(Translate("The sum of the best time of each segment"));

    m_pitTimePanel = new QFrame(this);
    m_pitTimePanel->setObjectName(QStringLiteral("Driver%1PitTimePanel").arg(slot));
    m_pitTimePanel->setFrameShape(QFrame::StyledPanel);
    auto* pitLayout = new QHBoxLayout(m_pitTimePanel);
    pitLayout->setContentsMargins(4, 1, 4, 1);
    pitLayout->addWidget(new QLabel(captions.pitTimeLabel, m_pitTimePanel));
    m_pitTime = new QLabel(m_pitTimePanel);
    m_pitTime->setObjectName(QStringLiteral("Driver%1PitTimeLabel").arg(slot));
    pitLayout->addWidget(m_pitTime, 1);
    layout->addWidget(m_pitTimePanel);

    if (slot == 1) {
        m_lapsRemaining = new QLabel(this);
        m_lapsRemaining->setObjectName(QStringLiteral("LapsRemainingDriver1Label"));
        m_lapsRemaining->setToolTip(ShowTimeModel::LapsRemainingHint());
        layout->addWidget(m_lapsRemaining);
    }

    m_tick = new QTimer(this);
    m_tick->setInterval(ShowTimeModel::kTickMs);
    connect(m_tick, &QTimer::timeout, this, [this] { m_model.SlotTick(m_slot); });
    Refresh();
}

QLabel* DriverSlotPanel::MakeFigureLabel() {
    auto* value = new QLabel(this);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long figure is cut rather than widening the slot: the four slots share the width equally.
    value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return value;
}

QLabel* DriverSlotPanel::AddFigure(const QString& caption) {
    auto* label = new QLabel(caption, this);
    QLabel* value = MakeFigureLabel();
    m_figureRows.push_back({label, value});
    return value;
}

void DriverSlotPanel::PlaceFigures(bool speedsBeside) {
    // The speeds go beside the best and mean laps while the slot is wide enough, else each on a line of
    // its own below its lap.
    if (m_speedsBeside == speedsBeside && m_figuresPlaced) return;
    m_speedsBeside = speedsBeside;
    m_figuresPlaced = true;
    for (const auto& [caption, value] : m_figureRows) {
        m_figures->removeWidget(caption);
        m_figures->removeWidget(value);
    }
    m_figures->removeWidget(m_bestSpeed);
    m_figures->removeWidget(m_meanSpeed);
    int row = 0;
    for (const auto& [caption, value] : m_figureRows) {
        m_figures->addWidget(caption, row, 0);
        m_figures->addWidget(value, row, 1);
        QLabel* speed = value == m_best ? m_bestSpeed : value == m_mean ? m_meanSpeed : nullptr;
        if (speed && speedsBeside) m_figures->addWidget(speed, row, 2, Qt::AlignRight);
        if (speed && !speedsBeside) m_figures->addWidget(speed, ++row, 1);
        ++row;
    }
}

void DriverSlotPanel::SetTopRoom(int pixels) {
    QMargins margins = layout()->contentsMargins();
    if (margins.top() == 2 + pixels) return;
    margins.setTop(2 + pixels);
    layout()->setContentsMargins(margins);
}

bool DriverSlotPanel::TickRunning() const {
    return m_tick->isActive();
}

void DriverSlotPanel::Operate(bool (LiveTimingModel::*operation)(int)) {
    Q_EMIT aboutToOperate();
    (m_model.*operation)(m_slot);
}

void DriverSlotPanel::Refresh() {
    const DriverSlot& slot = m_model.Slot(m_slot);
    const SlotControls c = slot.Controls();
    m_start->setVisible(c.startVisible);
    m_stop->setVisible(c.stopVisible);
    m_stopwatch->setEnabled(c.stopwatchEnabled);
    m_undo->setEnabled(c.undoEnabled);
    m_pitIn->setVisible(c.pitInVisible);
    m_pitIn->setEnabled(c.pitInEnabled);
    m_pitOut->setVisible(c.pitOutVisible);
    m_pitOut->setEnabled(c.pitOutEnabled);
    if (c.tickEnabled && !m_tick->isActive()) m_tick->start();
    if (!c.tickEnabled) m_tick->stop();

    const QStringList names = m_model.DriverNameList();
    QStringList shown;
    for (int i = 0; i < m_name->count(); ++i)
        shown << m_name->itemText(i);
    if (shown != names) {
        const QString text = m_name->currentText();
        m_name->clear();
        m_name->addItems(names);
        m_name->setEditText(text);
    }
    if (m_name->currentText() != slot.driverName) m_name->setEditText(slot.driverName);

    m_startText->setText(slot.startText);
    m_elapsed->setText(slot.elapsedText);
    m_best->setText(slot.bestText);
    m_bestSpeed->setText(slot.bestSpeedText);
    m_mean->setText(slot.meanText);
    m_meanSpeed->setText(slot.meanSpeedText);
    m_distance->setText(slot.distanceText);
    // The theoretical best needs splits: without them its line is not shown.
    m_theoretical->setText(slot.theoreticalText);
    const bool theoretical = !slot.theoreticalText.isEmpty();
    if (m_theoretical->isHidden() == theoretical) {
        m_theoretical->setVisible(theoretical);
        m_figureRows.back().first->setVisible(theoretical);
    }
    m_pitTime->setText(slot.pitTimeText);
    m_pitTimePanel->setVisible(slot.pitTimePanelVisible);
    if (m_lapsRemaining) {
        const ShowTimeModel& window = m_model.TimeWindow(1);
        m_lapsRemaining->setText(window.LapsRemainingText());
        m_lapsRemaining->setVisible(window.LapsRemainingVisible());
    }

    const int revision = slot.table.Revision();
    m_tableModel->Refresh();
    if (slot.table.ColumnCount() != m_columns) {
        m_columns = slot.table.ColumnCount();
        FitColumns();
    }
    if (revision != m_scrolledTo) {
        m_scrolledTo = revision;
        ScrollToLastRow();
    }
}

void DriverSlotPanel::ScrollToLastRow() {
    // The row written last is the last visible row once the laps no longer fit; until then the table
    // shows its top.
    const int row = m_model.Slot(m_slot).table.ScrollRow() - 1;
    if (row >= 0 && row < m_tableModel->rowCount())
        m_table->scrollTo(m_tableModel->index(row, 0), QAbstractItemView::PositionAtBottom);
}

void DriverSlotPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceFigures(width() >= kSpeedsBesideWidth);
    FitColumns();
    ScrollToLastRow();
}

void DriverSlotPanel::FitColumns() {
    const int columns = m_tableModel->columnCount();
    if (columns < 2) return;
    const int first = m_table->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8;
    m_table->setColumnWidth(0, first);
    const int width = LapTableColumnWidth(m_table->viewport()->width(), first, 1, columns);
    for (int c = 1; c < columns; ++c)
        m_table->setColumnWidth(c, std::max(width, 30));
}
