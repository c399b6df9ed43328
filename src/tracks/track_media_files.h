#pragma once
// Map pictures and movies chosen for a track are kept below the data folder (".\Tracks",
// ".\Tracks\Movies") so the track file can name them relative to it.
#include <QString>

// The file dialog filters: every kind together first, then each kind alone.
QString TrackPictureFilter();
QString TrackMovieFilter();

// Whether the file lies directly in the folder; folder names are compared ignoring case.
bool FileIsInFolder(const QString& file, const QString& folder);
// Copies the file into the folder, replacing a file of the same name, and returns the copy's full path.
// The old file is replaced only once the copy is complete; a file that already is the target is left
// alone. Empty when the copy failed.
QString CopyIntoFolder(const QString& file, const QString& folder);
