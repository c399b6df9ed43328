#include "team_logo_view.h"

#include "storage/translate.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TeamLogoView::TeamLogoView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("teamLogo"));
    setFixedSize(kWidth, kHeight);
    setToolTip(Translate("Right-click to set Team logotype"));
}

void TeamLogoView::SetPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

QRect TeamLogoView::PictureRect() const {
    if (m_picture.isNull()) return rect();
    QSize size = m_picture.deviceIndependentSize().toSize();
    if (size.width() > kWidth || size.height() > kHeight) size.scale(kWidth, kHeight, Qt::KeepAspectRatio);
    return QRect(QPoint(0, 0), size);
}

void TeamLogoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_picture.isNull())
        PaintPlaceholder(painter);
    else
        painter.drawPixmap(PictureRect(), m_picture);
}

void TeamLogoView::PaintPlaceholder(QPainter& painter) {
    // A chequered flag on a dark plate with the program's name.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(0x50, 0x60, 0x78), 1));
    painter.setBrush(QColor(0x20, 0x30, 0x48));
    painter.drawRoundedRect(plate, 6, 6);

    const int cell = 9;
    const QPoint origin(18, 20);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 7; ++column) {
            painter.setBrush((row + column) % 2 ? QColor(0x20, 0x30, 0x48) : QColor(Qt::white));
            painter.drawRect(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
        }
    painter.setPen(QPen(QColor(0xC0, 0xC8, 0xD0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(origin.x(), origin.y(), origin.x(), origin.y() + 80);

    QFont font = painter.font();
    font.setBold(true);
    font.setPointSizeF(14);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(90, 16, kWidth - 96, 48), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Vorlapa"));
    font.setBold(false);
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.setPen(QColor(0xC0, 0xC8, 0xD0));
    painter.drawText(QRect(90, 62, kWidth - 96, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     Translate("Right-click to set Team logotype"));
}

void TeamLogoView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        Q_EMIT rightClicked();
        return;
    }
    QWidget::mousePressEvent(event);
}
