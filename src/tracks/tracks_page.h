#pragma once
// The Tracks page: the track list, the shown track's fields in the chosen units, the changed state and
// the page's commands. The widget shows what this holds and forwards each user event to one call.
#include "events/event.h"
#include "services/services.h"
#include "track_import.h"
#include "track_list.h"
#include "track_units.h"
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class TracksPage {
  public:
    TracksPage(Prompter& prompter, Shell& shell, QString dataDir);

    // After every change of the list or of the shown track.
    Event<> changed;
    // The names in list order after the list was loaded and after a track was added, copied, renamed or
    // deleted: the session page's track box shows the same names.
    Event<const QStringList&> trackNamesChanged;

    // Units: captions and the shown values follow; converting is no edit (the changed state stays).
    void SetUnits(const TrackUnits& units);
    const TrackUnits& Units() const { return m_units; }

    // Reads the data folder's track file and shows the named track (none when absent); not changed.
    void LoadTrackList(const QString& selectName);
    const TTrackList& List() const { return m_list; }
    QStringList TrackNames() const { return m_list.Names(); }
    int SelectedIndex() const { return m_selected; }
    // Copy, rename, delete, the fields, the map and the movie need a shown track.
    bool HasSelection() const { return m_selected >= 0; }
    QString SelectedName() const;
    // The stored track of that name (compared as the file compares them), nullptr when absent. Values are
    // metric whatever the page shows.
    const TTrackInfo* FindTrack(const QString& name) const;

    // A track chosen in the selector (-1: none). Unsaved field edits of the previous track are dropped.
    void TrackComboBoxChange(int index);
    bool SelectTrack(const QString& name);
    // The selector is opened: offers to save unsaved changes.
    void TrackComboBoxDropDown();

    // The page fields, as shown (converted to the chosen units).
    QString Field(TrackField field) const { return m_shown[std::size_t(field)]; }
    QStringList Notes() const { return m_notes; }
    // An edit of a page field (TracksIsDirty); the organisation also becomes the heading over the map.
    void SetField(TrackField field, const QString& text);
    void SetNotes(const QStringList& notes);
    QString Caption(TrackField field) const { return TrackFieldCaption(field, m_units); }
    QString OrganisationHeading() const { return m_shown[std::size_t(TrackField::Organisation)]; }

    bool IsDirty() const { return m_dirty; }
    bool SaveEnabled() const { return m_dirty; }
    QString PageCaption() const; // "Tracks", with the changed mark
    // The field the page should focus after a refused command, taken once; focusRequested tells that
    // there is one.
    std::optional<TrackField> TakeFocusRequest();
    Event<> focusRequested;

    // Map picture and movie of the shown track (set by their own commands, stored at once).
    void SetPicture(const QString& path);
    QString PictureFile() const; // the existing picture file to show, else empty
    void SetMovie(const QString& path);
    QString MovieLabel() const;
    QString MovieFile() const; // the existing movie file for the embedded player, else empty
    bool ExternalViewerEnabled() const;

    // Commands.
    bool SaveTracksButtonClick(); // false when refused or the write failed
    void AddTrackButtonClick();
    void CopyTrackButtonClick();
    void EditTrackButtonClick();
    void DeleteTrackButtonClick();
    // Leaving the page (also asked when the program closes): true when it may be left.
    bool TracksTabSheetExit();
    void TrackLaunchBrowserSpeedButtonClick();
    void TrackContact1SendEmailSpeedButtonClick();
    void TrackContact2SendEmailSpeedButtonClick();
    void ViewMovieInExternalPlayerButtonClick();
    // A map picture chosen in the file dialog; a picture outside the data folder's Tracks folder is
    // copied there first (a failed copy keeps the chosen path).
    void SelectTrackMapButtonClick();
    // The path given in the "Select Movie" dialog: a web address is kept after telling the user it plays
    // outside; an existing file outside Tracks\Movies may be copied there. Empty: nothing changes.
    void SelectMovieButtonClick(const QString& chosen);
    // "Import tracks": asks for another user's track file, shows its names (requestImportChoice, the
    // "Import Tracks" selection: the names ticked, std::nullopt on Cancel) and appends the chosen tracks
    // with their maps and movies. The list is marked changed only when a track was added.
    void ImportTracksButtonClick();
    std::function<std::optional<QStringList>(const TrackPackage& package)> requestImportChoice;
    // A link clicked in the notes: opened only as a web address.
    void OpenNotesLink(const QString& link);

  private:
    void ShowSelected();
    void SetDirty(bool dirty);
    void Changed();
    bool RefuseWhenFull();
    // Asks until a usable new name is given; std::nullopt when the user gives up. keep: the index of the
    // track being renamed (its own name is no clash).
    std::optional<QString> AskNewName(const QString& caption, const QString& prompt, const QString& initial,
                                      int keep);
    void SendEmail(TrackField field);
    void NamesChanged();

    Prompter& m_prompter;
    Shell& m_shell;
    QString m_dataDir;
    TrackUnits m_units;
    TTrackList m_list;
    int m_selected = -1;
    std::array<QString, kTrackFieldCount> m_shown;
    QStringList m_notes;
    bool m_dirty = false;
    bool m_fileUnreadable = false; // the track file exists but could not be read: it is never written
    std::optional<TrackField> m_focusRequest;
};
