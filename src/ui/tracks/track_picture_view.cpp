#include "track_picture_view.h"

#include <QPainter>

TrackPictureView::TrackPictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("trackMap"));
    setMinimumSize(200, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TrackPictureView::SetFile(const QString& file) {
    if (file == m_file) return;
    m_file = file;
    m_picture = file.isEmpty() ? QPixmap() : QPixmap(file);
    update();
}

QRect TrackPictureView::PictureRect() const {
    if (m_picture.isNull()) return {};
    QSize shown = m_picture.size();
    if (shown.width() > width() || shown.height() > height()) shown.scale(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

void TrackPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_picture.isNull()) painter.drawPixmap(PictureRect(), m_picture);
}
