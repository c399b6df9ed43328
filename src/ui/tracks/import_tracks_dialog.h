#pragma once
// "Import Tracks": the names of another user's track file, those already in the list shown but not
// choosable, and a box that ticks or unticks all the others.
#include "tracks/track_import.h"

#include <QStringList>
#include <optional>

class QWidget;

// The names ticked on OK; std::nullopt on Cancel.
std::optional<QStringList> ChooseTracksToImport(QWidget* parent, const TrackPackage& package);
