#pragma once
// The label printer back end on a paged paint device: a QPrinter in the program, a QPdfWriter in the
// command-line companion and in tests. Needs a QGuiApplication (fonts).
#include "workshop/label_printer.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

class PaintLabelPrinter : public LabelPrinter {
  public:
    explicit PaintLabelPrinter(QPagedPaintDevice& device) : m_device(device) {}

    bool BeginDocument(const QString& fontName, int fontSize) override;
    void NewPage() override;
    void EndDocument() override;
    int PageHeight() const override;
    int DotsPerInchX() const override;
    int DotsPerInchY() const override;
    int TextHeight(const QString& text) const override;
    void TextOut(int x, int y, const QString& text) override;

  private:
    QPagedPaintDevice& m_device;
    QPainter m_painter;
    QFont m_font;
};
