#include "paint_label_printer.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>

bool PaintLabelPrinter::BeginDocument(const QString& fontName, int fontSize) {
    m_font = fontName.isEmpty() ? QFont() : QFont(fontName);
    m_font.setPointSize(fontSize > 0 ? fontSize : 8);
    if (!m_painter.begin(&m_device)) return false;
    m_painter.setFont(m_font);
    return true;
}

void PaintLabelPrinter::NewPage() {
    m_device.newPage();
}

void PaintLabelPrinter::EndDocument() {
    if (m_painter.isActive()) m_painter.end();
}

int PaintLabelPrinter::PageHeight() const {
    return m_device.height();
}

int PaintLabelPrinter::DotsPerInchX() const {
    return m_device.logicalDpiX();
}

int PaintLabelPrinter::DotsPerInchY() const {
    return m_device.logicalDpiY();
}

int PaintLabelPrinter::TextHeight(const QString& text) const {
    const QFontMetrics metrics(m_font, &m_device);
    return text.isEmpty() ? 0 : metrics.height();
}

void PaintLabelPrinter::TextOut(int x, int y, const QString& text) {
    // The position is the text's top left corner, as the label printer places it.
    m_painter.drawText(QPoint(x, y + QFontMetrics(m_font, &m_device).ascent()), text);
}
