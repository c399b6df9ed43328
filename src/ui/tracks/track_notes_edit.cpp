#include "track_notes_edit.h"

TrackNotesEdit::TrackNotesEdit(QWidget* parent) : LinkNotesEdit(parent) {
    setObjectName(QStringLiteral("trackNotes"));
    connect(this, &LinkNotesEdit::edited, this, [this] {
        if (edited) edited(Lines());
    });
    connect(this, &LinkNotesEdit::linkClicked, this, [this](const QString& link) {
        if (linkClicked) linkClicked(link);
    });
    connect(this, &LinkNotesEdit::left, this, [this] {
        if (left) left();
    });
}
