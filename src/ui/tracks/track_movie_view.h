#pragma once
// The movie panel of the Tracks page: plays a track movie inside the page, placed and scaled by the
// movie fitting rule. The player is made only when a movie is first opened, so a page that never plays
// needs no media backend.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QMediaPlayer;
class QVideoWidget;

class TrackMovieView : public QWidget {
    Q_OBJECT
  public:
    explicit TrackMovieView(QWidget* parent = nullptr);
    ~TrackMovieView() override;

    // The existing file to play (empty: none). A different file closes the one that was open.
    void SetFile(const QString& file);
    const QString& File() const { return m_file; }
    bool IsOpen() const { return m_open; }
    // Opens the file and starts playing; does nothing without a file.
    void Open();
    void Play();
    void Pause();
    void Stop();
    void Close();

    // Told true while a file is being opened and false once the player reported (loaded or failed).
    std::function<void(bool opening)> openingChanged;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void EnsurePlayer();
    void Place();
    void Reported();

    QString m_file;
    bool m_open = false;
    bool m_opening = false;
    QSize m_videoSize;
    QPointer<QMediaPlayer> m_player;
    QPointer<QVideoWidget> m_video;
};
