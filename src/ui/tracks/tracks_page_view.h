#pragma once
// The Tracks pages: the track box and its commands above the sub-pages "Track map", "Contact details"
// and "Movie". The controls show the TracksPage model and forward each user event to it.
#include "events/event.h"
#include "tracks/tracks_page.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <array>
#include <memory>

class AppState;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TrackMovieView;
class TrackNotesEdit;
class TrackPictureView;

class TracksPageView : public QObject {
    Q_OBJECT
  public:
    TracksPageView(TracksPage& model, AppState& state, QObject* parent = nullptr);
    ~TracksPageView() override;

    TracksPage& Model() { return *m_model; }

    // Fills the sub-page hosts (by English caption) and puts the track box above the sub-pages of the
    // "Tracks" page, which is tab `index` of `pages`.
    void Build(QTabWidget* pages, int index, const QHash<QString, QWidget*>& hosts);

    // The controls, for tests.
    QComboBox* TrackBox() const { return m_trackBox; }
    QLineEdit* FieldEdit(TrackField field) const { return m_edits[std::size_t(field)]; }
    QPushButton* Button(const QString& name) const;
    TrackNotesEdit* Notes() const { return m_notes; }
    TrackPictureView* Map() const { return m_map; }
    TrackMovieView* Movie() const { return m_movie; }
    QLabel* MovieLabel() const { return m_movieLabel; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildHeader(QWidget* parent);
    void BuildTrackMap(QWidget* host);
    void BuildContactDetails(QWidget* host);
    void BuildMovie(QWidget* host);
    QLineEdit* MakeEdit(TrackField field, QWidget* parent);
    QPushButton* MakeButton(const QString& name, const char* caption, QWidget* parent);
    void Refresh();
    void FocusRequested();
    void SelectMovie();

    AppState& m_state;
    TracksPage* m_model;
    Connections m_connections;
    QPointer<QTabWidget> m_subPages;
    QPointer<QWidget> m_trackMapHost, m_movieHost;
    QComboBox* m_trackBox = nullptr;
    std::array<QLineEdit*, kTrackFieldCount> m_edits{};
    std::array<QLabel*, kTrackFieldCount> m_captions{};
    QHash<QString, QPushButton*> m_buttons;
    QLabel* m_heading = nullptr;
    TrackPictureView* m_map = nullptr;
    TrackNotesEdit* m_notes = nullptr;
    QLabel* m_movieLabel = nullptr;
    TrackMovieView* m_movie = nullptr;
    bool m_built = false;
    bool m_movieOpening = false;
    int m_notesShownFor = -2; // the track whose notes the editor shows
};
