#pragma once
// The program settings record: every value of "vorlapa.ini" as held in memory. Defaults are the values
// that apply when a key is missing or unusable.
#include <QString>
#include <QStringList>
#include <array>

inline constexpr int kJettingGridRows = 19;

struct ProgramSettings {
    // [information]
    QString programRelease;
    QString vehicle; // code as read; start-up selects from it and then holds the current code
    QString nameOfUser;
    QStringList billingAddress;
    QStringList deliveryAddress;

    // [general]
    QStringList orderFreeText;
    QString lastSession; // path of the current session file (only read when reopening is wanted)
    bool loadLastSessionAtStartup = false;
    bool includePitlaps = false;
    bool smartsaveIntoTrackfolder = false;
    int percentForMean = 100;
    std::array<QString, 4> sessionLastDriver;
    QString logotype;
    QString carWeightImageName;
    QString temperatureUnit = QStringLiteral("Celsius");
    QString pressureUnit = QStringLiteral("mbar");
    QString systemUnit = QStringLiteral("Metric");
    bool useAd = false;
    int htmlBgColor = 16777215;
    int htmlTableHeaderColor = 10066278;
    int htmlTableContentColor = 13421772;
    int htmlTextColor = 0;
    QString htmlFontFamily = QStringLiteral("Arial, Helvetica, sans-serif");
    bool htmlExportPartsetupNames = false;
    bool htmlExportPageBreakBeforeSessions = false;
    int htmlSessionMaxLapsToShow = 10;
    QString sessionLastTrack;
    QString importLastType;
    QString importDataPath;
    QString importDataSerialPort;
    QStringList drivers;
    QStringList recentSessions; // file order: from the "Reopen session" menu's last entry to its first
    QString backupFilename;
    QStringList backupFilenames;
    double backupLastDate = 0;
    double backupNextDate = 0; // "today" unless read
    QString backupDaysBetweenReminders = QStringLiteral("14");
    bool todoOpenAtStartup = false;
    QString fuelcalcExtralaps;
    QString fuelcalcAmountRequired;
    QString fuelcalcPremixPercent;
    QString fuelcalcWeightEmptyTank;
    QString fuelcalcFuelDensity;
    QString sessionlistLastNode;
    int tirelistLastNode = 0;
    QString sessionFilterYear;
    QString sessionFilterDriver;
    QString sessionFilterFrame;
    QString sessionFilterEngine;
    QString initialDirDataLogging;
    QString initialDirOnboardVideo;

    // [jetting_guru]
    int jettingMethod = 0; // 0 "Linear interpolation", 1 "4th root"
    QString jettingRefRad1;
    QString jettingRefRad2;
    int jettingJetTypeIndex = 0;
    // Reference grid, per row: name, reference jet 1, reference jet 2.
    std::array<std::array<QString, 3>, kJettingGridRows> jettingGrid;

    // [tire_pressure_guru]
    QString tirePressureRefColdTemp;
    QString tirePressureRefColdPressure;
    QString tirePressureRefHotTemp;
    QString tirePressureRefHotPressure;

    // [tire_print_labels]
    double labelWidthMm = 70;
    double labelHeightMm = 67.7;
    int labelColumns = 3;
    double labelIndentLeft = 5;
    double labelIndentTop = 5;
    int labelFontSize = 8;
    QString labelFontName;
};

// The record as it stands before any file is read; today is the day number of the current date.
ProgramSettings DefaultSettings(double today);
