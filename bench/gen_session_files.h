#pragma once
// Session files for the archive benchmarks and tests: the keys a saved session has (conditions, notes,
// lap data of four drivers, the setup sections), written through the tag-file writer.
#include <QList>
#include <QString>
#include <QStringList>

struct SessionFixture {
    QString vehicle = QStringLiteral("mc"); // "" writes no vehicle key
    QString track = QStringLiteral("North Loop");
    QString event;
    QString sessionType = QStringLiteral("Practice");
    QString sessionClass;
    QString condition = QStringLiteral("Dry");
    QString temperature, pressure, humidity; // air conditions, as typed
    QString position, rank, info;
    QString driver = QStringLiteral("Driver 1");
    double startTime = 0; // 0: no start time key
    int splits = 0;
    QString splitTimes; // driver 1's segment times as stored ("61000,62000")
    QStringList driverNotes, vehicleNotes;
    QString topSpeed;
    QString frame, engine;
    QString countershaft = QStringLiteral("15"), rearSprocket = QStringLiteral("42");
    bool shaftDrive = false;
    QString shaftInput, shaftOutput;
    int setupKeys = 0; // further setup keys, for files of a realistic size
};

// Writes the file (creating its folder). False when it could not be written.
bool WriteSessionFile(const QString& path, const SessionFixture& session);

// count sessions below folder across tracks, drivers, engines and years, some in track sub-folders, a
// few incomplete. The same seed gives the same files. Returns the paths written.
QStringList GenerateSessionFiles(const QString& folder, int count, unsigned seed = 1);
