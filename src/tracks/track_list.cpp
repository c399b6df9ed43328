#include "track_list.h"

#include "storage/units.h"
#include "track_names.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

int TTrackList::IndexOf(const QString& name) const {
    for (int i = 0; i < Count(); ++i)
        if (SameTrackName(m_tracks[std::size_t(i)].name, name)) return i;
    return -1;
}

QStringList TTrackList::Names() const {
    QStringList names;
    names.reserve(Count());
    for (const auto& track : m_tracks)
        names << track.name;
    return names;
}

bool TTrackList::Append(const QString& name, const TTrackInfo& info) {
    if (IsFull()) return false;
    m_tracks.push_back({name, info});
    return true;
}

void TTrackList::Remove(int index) {
    if (index >= 0 && index < Count()) m_tracks.erase(m_tracks.begin() + index);
}

QString TrackListPath(const QString& dataDir) {
    return QDir(dataDir).filePath(QStringLiteral("Tracks/tracks.txt"));
}

QString ResolveDataPath(const QString& dataDir, const QString& stored) {
    if (stored.isEmpty()) return QString();
    QString path = stored;
    path.replace(u'\\', u'/');
    if (QDir::isAbsolutePath(path)) return QDir::cleanPath(path);
    return QDir::cleanPath(QDir(dataDir).filePath(path));
}

TTrackList LoadTrackListFile(const QString& dataDir, const TrackUnits& units,
                             TTxtParser::MessageSink onMessage, bool* unreadable) {
    TTxtParser parser(std::move(onMessage));
    parser.OpenRead(TrackListPath(dataDir));
    if (unreadable) *unreadable = !parser.IsOpen() && QFileInfo::exists(TrackListPath(dataDir));
    TTrackList list;
    ReadTrackList(parser, list, units);
    parser.Close();
    return list;
}

void ReadTrackList(TTxtParser& parser, TTrackList& list, const TrackUnits& units, const QStringList* skip) {
    const QString version = parser.ReadValue(QStringLiteral("general"), QStringLiteral("version"));
    QStringList names;
    for (int number = 1; number <= kMaxTracks; ++number) {
        const QString name =
            parser.ReadValue(QStringLiteral("tracks"), QStringLiteral("track%1").arg(number));
        if (name.isEmpty()) break;
        names << name;
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });

    if (!skip) list.Clear();
    for (const QString& name : std::as_const(names)) {
        if (list.IsFull()) break;
        if (skip && skip->contains(name, Qt::CaseInsensitive)) continue;
        // A second section of the same name could never be read: it would only repeat the first.
        if (list.Contains(name) || CheckTrackName(TrimTrackName(name)) != TrackNameProblem::None) continue;
        TTrackInfo track;
        for (const TrackFieldInfo& field : TrackFields())
            track.*field.member = parser.ReadValue(name, QString::fromLatin1(field.key));
        if (version.isEmpty() && units.Miles()) track.Width = ConvertDistance(6, track.Width, false);
        if (parser.ReadValue(name, QStringLiteral("notes")).contains(QLatin1String("notes_begin")))
            parser.ReadLines(track.Notes, QStringLiteral("notes_end"));
        list.Append(name, track);
    }
}

namespace {
QString PictureForFile(const QString& dataDir, const QString& picture) {
    if (picture.isEmpty()) return picture;
    QString slashed = picture;
    slashed.replace(u'\\', u'/');
    const QString fileName = QFileInfo(slashed).fileName();
    if (!fileName.isEmpty() &&
        QFileInfo(QDir(dataDir).filePath(QStringLiteral("Tracks/") + fileName)).isFile())
        return QStringLiteral(".\\Tracks\\") + fileName;
    return picture;
}
} // namespace

void WriteTrackList(TTxtParser& parser, const TTrackList& list, const QString& dataDir) {
    parser.WriteSection(QStringLiteral("general"));
    parser.WriteValue(QStringLiteral("version"), QStringLiteral("1.0"));
    parser.WriteSection(QStringLiteral("tracks"));
    for (int i = 0; i < list.Count(); ++i)
        parser.WriteValue(QStringLiteral("track%1").arg(i + 1), list.At(i).name);
    for (const NamedTrack& track : list.Items()) {
        parser.WriteSection(track.name);
        for (const TrackFieldInfo& field : TrackFields()) {
            const QString& value = track.info.*field.member;
            parser.WriteValue(QString::fromLatin1(field.key),
                              field.field == TrackField::Picture ? PictureForFile(dataDir, value) : value);
        }
        parser.WriteListBlock(QStringLiteral("notes"), QStringLiteral("notes_begin"),
                              QStringLiteral("notes_end"), track.info.Notes);
    }
}

Expected<void, QString> SaveTrackListFile(const QString& path, const TTrackList& list,
                                          const QString& dataDir) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    TTxtParser parser;
    parser.OpenWrite(path);
    WriteTrackList(parser, list, dataDir);
    return parser.Close();
}
