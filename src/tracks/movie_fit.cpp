#include "movie_fit.h"

#include "storage/number_format.h"

// Whole pixels round halves to even, as every computed whole figure does.
QRect FitMovie(QSize video, QSize panel) {
    if (panel.width() <= 0 || panel.height() <= 0) return QRect(0, 0, 0, 0);
    // The aspect ratio needs both sides; without them there is nothing to fit.
    if (video.width() <= 0 || video.height() <= 0) return QRect(QPoint(0, 0), panel);
    int width = video.width();
    int height = video.height();
    if (width > panel.width() || height > panel.height()) {
        const double aspect = double(width) / double(height);
        if (double(width) / panel.width() > double(height) / panel.height()) {
            width = panel.width();
            height = int(RoundHalfEven(width / aspect));
        } else {
            height = panel.height();
            width = int(RoundHalfEven(height * aspect));
        }
    }
    const int left = int(RoundHalfEven((panel.width() - width) / 2.0));
    const int top = int(RoundHalfEven((panel.height() - height) / 2.0));
    return QRect(left, top, width, height);
}
