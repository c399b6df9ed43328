#pragma once
// The options windows of the list exports: "Export Tracks" and "Export Part Status".
#include "reports/part_status_report.h"
#include "reports/track_export.h"

#include <QStringList>
#include <optional>

class QWidget;

// std::nullopt on Cancel.
std::optional<TrackExportOptions> AskTrackExportOptions(QWidget* parent, const TrackExportOptions& initial);
std::optional<PartStatusExportOptions> AskPartStatusExportOptions(QWidget* parent, const QStringList& groups,
                                                                  const QStringList& suppliers);
