#include "show_time_dlg.h"

#include "timing/live_timing_model.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

void SetPointSize(QLabel* label, int size) {
    QFont font = label->font();
    if (font.pointSize() == std::max(size, 1)) return;
    font.setPointSize(std::max(size, 1));
    label->setFont(font);
}

} // namespace

WindowRect RectOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    return {frame.left(), frame.top(), window->width(), window->height()};
}

TShowTimeDlg::TShowTimeDlg(LiveTimingModel& model, int slot, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMaximizeButtonHint),
      m_model(model), m_slot(slot) {
    setObjectName(QStringLiteral("ShowTimeDlg%1").arg(slot));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    m_time = new QLabel(this);
    m_time->setObjectName(QStringLiteral("TimeLabel"));
    m_time->setAlignment(Qt::AlignCenter);
    QFont bold = m_time->font();
    bold.setBold(true);
    m_time->setFont(bold);
    SetPointSize(m_time, kBaseTimeFontSize);
    layout->addWidget(m_time, 1);
    m_diff = new QLabel(this);
    m_diff->setObjectName(QStringLiteral("DiffLabel"));
    m_diff->setAlignment(Qt::AlignCenter);
    SetPointSize(m_diff, kBaseDiffFontSize);
    layout->addWidget(m_diff);
    m_bestDiff = new QLabel(this);
    m_bestDiff->setObjectName(QStringLiteral("BestDiffLabel"));
    m_bestDiff->setAlignment(Qt::AlignCenter);
    SetPointSize(m_bestDiff, kBaseDiffFontSize);
    layout->addWidget(m_bestDiff);
    m_lapsRemaining = new QLabel(this);
    m_lapsRemaining->setObjectName(QStringLiteral("LapsRemainingLabel"));
    m_lapsRemaining->setAlignment(Qt::AlignCenter);
    m_lapsRemaining->setToolTip(ShowTimeModel::LapsRemainingHint());
    SetPointSize(m_lapsRemaining, kBaseDiffFontSize);
    layout->addWidget(m_lapsRemaining);
    // The smallest size is the size the fonts are designed for.
    setMinimumSize(kTimeWindowBaseWidth, kTimeWindowBaseHeight);

    m_tick = new QTimer(this);
    m_tick->setInterval(ShowTimeModel::kTickMs);
    connect(m_tick, &QTimer::timeout, this, [this] {
        m_model.TimeWindow(m_slot).DisplayTick();
        Refresh();
    });
}

bool TShowTimeDlg::TickRunning() const {
    return m_tick->isActive();
}

void TShowTimeDlg::Refresh() {
    ShowTimeModel& window = m_model.TimeWindow(m_slot);
    if (window.IsVisible() && !isVisible()) {
        // Shown where the placement rules or the stored geometry put it.
        const WindowRect& g = window.geometry;
        m_applying = true;
        if (g.width > 0 && g.height > 0)
            resize(std::max(g.width, minimumWidth()), std::max(g.height, minimumHeight()));
        if (g.IsPlaced()) move(g.left, g.top);
        m_applying = false;
        show();
    } else if (!window.IsVisible() && isVisible()) {
        hide();
    }
    const bool counting = window.IsVisible() && window.DisplayRunning();
    if (counting && !m_tick->isActive()) m_tick->start();
    if (!counting) m_tick->stop();

    setWindowTitle(window.Caption());
    m_time->setText(window.TimeText());
    m_diff->setText(window.DiffText());
    m_diff->setVisible(window.DiffVisible());
    m_bestDiff->setText(window.BestDiffText());
    m_bestDiff->setVisible(window.BestDiffVisible());
    m_lapsRemaining->setText(window.LapsRemainingText());
    m_lapsRemaining->setVisible(window.LapsRemainingVisible());
}

void TShowTimeDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const TimeWindowFonts fonts =
        ScaleTimeWindowFonts(width(), height(), kBaseTimeFontSize, kBaseDiffFontSize);
    SetPointSize(m_time, fonts.timeSize);
    SetPointSize(m_diff, fonts.diffSize);
    SetPointSize(m_bestDiff, fonts.diffSize);
    SetPointSize(m_lapsRemaining, fonts.lapsRemainingSize);
    KeepGeometry();
}

void TShowTimeDlg::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    KeepGeometry();
}

void TShowTimeDlg::KeepGeometry() {
    // Only a shown window has a place of its own worth keeping.
    if (m_applying || !isVisible()) return;
    m_model.TimeWindow(m_slot).geometry = RectOf(this);
}
