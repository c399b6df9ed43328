#pragma once
// The track map: the picture drawn as large as the area allows, keeping its proportions, centred; never
// enlarged beyond its own size.
#include <QPixmap>
#include <QWidget>

class TrackPictureView : public QWidget {
    Q_OBJECT
  public:
    explicit TrackPictureView(QWidget* parent = nullptr);
    // Loads the file; an empty path or a file that is no picture clears the area.
    void SetFile(const QString& file);
    const QString& File() const { return m_file; }
    bool HasPicture() const { return !m_picture.isNull(); }
    QRect PictureRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_file;
    QPixmap m_picture;
};
