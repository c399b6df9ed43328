#include "pit_panel_dlg.h"

#include "show_time_dlg.h"
#include "storage/translate.h"
#include "timing/live_timing_model.h"
#include "timing/live_timing_texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

TPitPanelDlg::TPitPanelDlg(LiveTimingModel& model, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_model(model) {
    setObjectName(QStringLiteral("PitPanelDlg"));
    const LiveTimingTexts texts = MakeLiveTimingTexts();
    setWindowTitle(texts.pitPanelCaption);
    auto* layout = new QVBoxLayout(this);

    constexpr int kCells = PitPanelModel::kSlots + 1;
    m_grid = new QTableWidget(kCells, kCells, this);
    m_grid->setObjectName(QStringLiteral("DiffGrid"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = m_grid->fontMetrics().height() + 6;
    const int columnWidth = m_grid->fontMetrics().horizontalAdvance(QStringLiteral("-00:00.000")) + 12;
    for (int i = 0; i < kCells; ++i) {
        m_grid->setRowHeight(i, rowHeight);
        m_grid->setColumnWidth(i, columnWidth);
        for (int j = 0; j < kCells; ++j) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (i == 0 || j == 0) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
                item->setBackground(palette().button());
            }
            m_grid->setItem(i, j, item);
        }
    }
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(kCells * columnWidth + frame, kCells * rowHeight + frame);
    layout->addWidget(m_grid);

    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(texts.resetAll, this);
    reset->setObjectName(QStringLiteral("ResetButton"));
    reset->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(reset);
    m_showTimer = new QCheckBox(texts.showTimer, this);
    m_showTimer->setObjectName(QStringLiteral("CheckBox1"));
    m_showTimer->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(m_showTimer);
    buttons->addStretch(1);
    auto* close = new QPushButton(Translate("Close"), this);
    close->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    m_remainingPanel = new QFrame(this);
    m_remainingPanel->setObjectName(QStringLiteral("RemainingTimePanel"));
    m_remainingPanel->setFrameShape(QFrame::StyledPanel);
    auto* remaining = new QGridLayout(m_remainingPanel);
    remaining->addWidget(new QLabel(texts.sessionEndsAt, m_remainingPanel), 0, 0);
    m_endTime = new QTimeEdit(m_remainingPanel);
    m_endTime->setObjectName(QStringLiteral("EndSessionTimePicker"));
    m_endTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    remaining->addWidget(m_endTime, 0, 1);
    remaining->addWidget(new QLabel(texts.remainingTime, m_remainingPanel), 1, 0);
    m_timeLeft = new QLabel(m_remainingPanel);
    m_timeLeft->setObjectName(QStringLiteral("TimeLeftLabel"));
    QFont big = m_timeLeft->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    m_timeLeft->setFont(big);
    remaining->addWidget(m_timeLeft, 1, 1);
    layout->addWidget(m_remainingPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(reset, &QPushButton::clicked, this, [this] {
        m_model.PitPanel().ResetButtonClick();
        Refresh();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_showTimer, &QCheckBox::toggled, this, [this](bool checked) {
        m_model.PitPanel().SetShowTimer(checked);
        Refresh();
    });
    connect(m_endTime, &QTimeEdit::timeChanged, this, [this](const QTime& time) {
        m_model.PitPanel().SetEndSessionTimeMs(time.msecsSinceStartOfDay());
        m_model.PitPanel().Tick();
        Refresh();
    });

    m_tick = new QTimer(this);
    m_tick->setInterval(ShowTimeModel::kTickMs);
    connect(m_tick, &QTimer::timeout, this, [this] {
        m_model.PitPanel().Tick();
        Refresh();
    });

    // The placement rules centre the panel by its width.
    adjustSize();
    m_model.PitPanel().geometry.width = width();
    m_model.PitPanel().geometry.height = height();
}

bool TPitPanelDlg::TickRunning() const {
    return m_tick->isActive();
}

void TPitPanelDlg::Refresh() {
    PitPanelModel& panel = m_model.PitPanel();
    if (panel.IsVisible() && !isVisible()) {
        m_applying = true;
        if (panel.geometry.IsPlaced()) move(panel.geometry.left, panel.geometry.top);
        m_applying = false;
        show();
    } else if (!panel.IsVisible() && isVisible()) {
        hide();
    }
    if (panel.IsVisible() && !m_tick->isActive()) m_tick->start();
    if (!panel.IsVisible()) m_tick->stop();

    constexpr int kCells = PitPanelModel::kSlots + 1;
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row) {
            QTableWidgetItem* item = m_grid->item(row, column);
            const QString text = panel.Cell(column, row);
            if (item->text() != text) item->setText(text);
        }
    if (m_showTimer->isChecked() != panel.ShowTimer()) {
        const QSignalBlocker block(m_showTimer);
        m_showTimer->setChecked(panel.ShowTimer());
    }
    m_remainingPanel->setVisible(panel.ShowTimer());
    if (m_endTime->time().msecsSinceStartOfDay() != panel.EndSessionTimeMs()) {
        const QSignalBlocker block(m_endTime);
        m_endTime->setTime(QTime::fromMSecsSinceStartOfDay(panel.EndSessionTimeMs()));
    }
    m_timeLeft->setText(panel.TimeLeftText());
}

void TPitPanelDlg::closeEvent(QCloseEvent* event) {
    event->accept();
    m_model.ClosePitPanel();
}

void TPitPanelDlg::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (m_applying || !isVisible()) return;
    const WindowRect rect = RectOf(this);
    m_model.PitPanel().geometry.left = rect.left;
    m_model.PitPanel().geometry.top = rect.top;
}
