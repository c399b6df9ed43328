#pragma once
// The team logo area: a fixed 210 x 119 box that draws its picture at the top-left corner, shrunk to
// fit when larger and never enlarged, and a built-in picture while no logo is set. A right-click asks
// for a new picture.
#include <QPixmap>
#include <QWidget>

class TeamLogoView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 210;
    static constexpr int kHeight = 119;

    explicit TeamLogoView(QWidget* parent = nullptr);
    // A null picture shows the built-in one.
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return m_picture; }
    // Where the picture is drawn inside the area (for tests and drawing).
    QRect PictureRect() const;

  Q_SIGNALS:
    void rightClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void PaintPlaceholder(QPainter& painter);
    QPixmap m_picture;
};
