#pragma once
// The track notes: the notes editor with links, for the Tracks page, which takes callbacks in place of
// the signals (the callbacks hide the signals of the same names).
#include "ui/widgets/link_notes_edit.h"

#include <functional>

class TrackNotesEdit : public LinkNotesEdit {
    Q_OBJECT
  public:
    explicit TrackNotesEdit(QWidget* parent = nullptr);

    std::function<void(const QStringList& lines)> edited;
    std::function<void(const QString& link)> linkClicked;
    // The editor was left: its links were marked again.
    std::function<void()> left;
};
