#pragma once
// The ordered list of tracks (at most 200) and its file ".\Tracks\tracks.txt".
#include "storage/expected.h"
#include "storage/txt_parser.h"
#include "track_info.h"
#include "track_units.h"
#include <QString>
#include <QStringList>
#include <vector>

inline constexpr int kMaxTracks = 200;

struct NamedTrack {
    QString name;
    TTrackInfo info;
    bool operator==(const NamedTrack&) const = default;
};

class TTrackList {
  public:
    int Count() const { return int(m_tracks.size()); }
    bool IsFull() const { return Count() >= kMaxTracks; }
    const NamedTrack& At(int index) const { return m_tracks.at(std::size_t(index)); }
    NamedTrack& At(int index) { return m_tracks.at(std::size_t(index)); }
    // Position of the name, compared ignoring case as the file's section headers are; -1 when absent.
    int IndexOf(const QString& name) const;
    bool Contains(const QString& name) const { return IndexOf(name) >= 0; }
    QStringList Names() const;
    // Appends; false when the list is full.
    bool Append(const QString& name, const TTrackInfo& info = {});
    void Remove(int index);
    void Clear() { m_tracks.clear(); }
    const std::vector<NamedTrack>& Items() const { return m_tracks; }

  private:
    std::vector<NamedTrack> m_tracks;
};

// The track file below the data folder.
QString TrackListPath(const QString& dataDir);

// Reads the data folder's track file (a missing file gives an empty list); the reader's messages go to
// onMessage. unreadable, when given, tells whether the file exists but could not be read.
TTrackList LoadTrackListFile(const QString& dataDir, const TrackUnits& units = {},
                             TTxtParser::MessageSink onMessage = {}, bool* unreadable = nullptr);
// Reads a track file. Names are taken from "track1", "track2", ... of [tracks] up to the first missing
// or empty one (at most 200) and read in case-insensitive locale order. Without a skip list the list is
// emptied first; with one (import) the tracks are appended and names in the skip list passed over.
// Names the list already holds, names a track file cannot carry and tracks beyond 200 are passed over.
// A file without a version stored widths in feet when the program ran in miles: those are converted.
void ReadTrackList(TTxtParser& parser, TTrackList& list, const TrackUnits& units,
                   const QStringList* skip = nullptr);
// Writes the whole list. A picture that lies in the data folder's Tracks folder is written as
// ".\Tracks\<file name>"; any other path as it is.
void WriteTrackList(TTxtParser& parser, const TTrackList& list, const QString& dataDir);
// Writes the track file atomically; the error is the system's error text.
Expected<void, QString> SaveTrackListFile(const QString& path, const TTrackList& list,
                                          const QString& dataDir);

// A path as stored in a data file (".\Tracks\x.jpg", "Tracks/x.jpg", absolute) as a path on this system,
// relative ones taken from the data folder.
QString ResolveDataPath(const QString& dataDir, const QString& stored);
