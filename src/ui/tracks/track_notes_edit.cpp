#include "track_notes_edit.h"

#include "tracks/track_notes.h"

#include <QMouseEvent>

TrackNotesEdit::TrackNotesEdit(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("trackNotes"));
    setAcceptRichText(false);
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!m_showing && edited) edited(Lines());
    });
}

void TrackNotesEdit::SetLines(const QStringList& lines) {
    m_showing = true;
    setHtml(TrackNotesHtml(lines));
    m_showing = false;
}

QStringList TrackNotesEdit::Lines() const {
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList{} : text.split(u'\n');
}

void TrackNotesEdit::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(anchorAt(event->position().toPoint()).isEmpty() ? Qt::IBeamCursor
                                                                          : Qt::PointingHandCursor);
}

void TrackNotesEdit::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    // A click on a link opens it; a drag that selects text does not.
    const QString link = anchorAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && !link.isEmpty() && !textCursor().hasSelection() && linkClicked)
        linkClicked(link);
}

void TrackNotesEdit::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    if (left) left();
}
