#pragma once
// The windows of the part counter updates: "Update Part Status" over the active group, the same caption
// over a timed session's figures, and the "Part status alert" list.
#include "workshop/part_counter_update.h"

#include <optional>

class PartStatusPage;
class Prompter;
class QWidget;

// The group update; std::nullopt on Cancel. The reset box asks before OK is taken.
std::optional<CounterUpdate> RunUpdatePartsDialog(PartStatusPage& page, Prompter& prompter, bool miles,
                                                  QWidget* parent);
std::optional<SessionDialogValues> RunSessionToPartStatusDialog(const QStringList& groups,
                                                                const SessionUpdateProposal& proposal,
                                                                bool miles, Prompter& prompter,
                                                                QWidget* parent);
void ShowPartAlert(const QString& title, const PartAlert& alert, QWidget* parent);
