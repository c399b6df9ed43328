#pragma once
// Generator of session-sized tag files for the benchmarks: the sections a session file has, about 600
// keys, lap lists of four drivers, pit stop records and note blocks.
#include <QString>
#include <QStringList>
#include <vector>

struct GeneratedTagFile {
    struct Key {
        QString section;
        QString key;
        QString endMarker; // not empty for a list or text block
    };
    QString text;          // the file as written (CR LF)
    std::vector<Key> keys; // every key of the file, in file order
};

// The same seed gives the same file.
GeneratedTagFile GenerateSessionTagFile(int keyCount = 600, unsigned seed = 1);
