#include "track_movie_view.h"

#include "tracks/movie_fit.h"

#include <QMediaPlayer>
#include <QPalette>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>

TrackMovieView::TrackMovieView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("trackMoviePanel"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setMinimumSize(160, 120);
}

TrackMovieView::~TrackMovieView() {
    // Stopping makes the player report; nobody may be told any more.
    openingChanged = {};
    if (m_player) {
        m_player->disconnect(this);
        m_player->stop();
    }
}

void TrackMovieView::EnsurePlayer() {
    if (m_player) return;
    m_video = new QVideoWidget(this);
    m_video->setObjectName(QStringLiteral("trackMovieVideo"));
    m_player = new QMediaPlayer(this);
    m_player->setVideoOutput(m_video);
    connect(m_video->videoSink(), &QVideoSink::videoSizeChanged, this, [this] {
        m_videoSize = m_video->videoSink()->videoSize();
        Place();
    });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        switch (status) {
        case QMediaPlayer::LoadedMedia:
        case QMediaPlayer::BufferedMedia:
        case QMediaPlayer::EndOfMedia:
        case QMediaPlayer::InvalidMedia:
            Reported();
            break;
        default:
            break;
        }
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this] { Reported(); });
    Place();
}

void TrackMovieView::SetFile(const QString& file) {
    if (file == m_file) return;
    Close();
    m_file = file;
}

void TrackMovieView::Open() {
    if (m_file.isEmpty()) return;
    if (m_open) {
        Play();
        return;
    }
    EnsurePlayer();
    m_open = true;
    m_opening = true;
    m_videoSize = QSize();
    setCursor(Qt::WaitCursor);
    if (openingChanged) openingChanged(true);
    m_player->setSource(QUrl::fromLocalFile(m_file));
    // Without a media backend the player reports nothing: it is no reason to wait.
    if (!m_player->isAvailable()) Reported();
    m_video->show();
    Place();
    m_player->play();
}

void TrackMovieView::Reported() {
    if (!m_opening) return;
    m_opening = false;
    unsetCursor();
    if (openingChanged) openingChanged(false);
}

void TrackMovieView::Play() {
    if (m_player && m_open) m_player->play();
}

void TrackMovieView::Pause() {
    if (m_player && m_open) m_player->pause();
}

void TrackMovieView::Stop() {
    if (m_player && m_open) m_player->stop();
}

void TrackMovieView::Close() {
    if (m_player) {
        m_player->stop();
        m_player->setSource(QUrl());
    }
    if (m_video) m_video->hide();
    m_open = false;
    Reported();
}

void TrackMovieView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Place();
}

void TrackMovieView::Place() {
    if (m_video) m_video->setGeometry(FitMovie(m_videoSize, size()));
}
