#include "link_notes_edit.h"

#include "tracks/track_notes.h"

#include <QMouseEvent>
#include <QScrollBar>

LinkNotesEdit::LinkNotesEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setMouseTracking(true);
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!m_showing) Q_EMIT edited(toPlainText());
    });
}

void LinkNotesEdit::ShowText(const QString& text) {
    if (toPlainText() == text) return;
    SetLines(text.isEmpty() ? QStringList{} : text.split(u'\n'));
}

void LinkNotesEdit::SetLines(const QStringList& lines) {
    // Marking the links again keeps the place the user was looking at.
    const int scroll = verticalScrollBar()->value();
    const int position = textCursor().position();
    m_showing = true;
    setHtml(TrackNotesHtml(lines));
    m_showing = false;
    QTextCursor cursor = textCursor();
    cursor.setPosition(qMin(position, int(toPlainText().size())));
    setTextCursor(cursor);
    verticalScrollBar()->setValue(scroll);
}

QStringList LinkNotesEdit::Lines() const {
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList{} : text.split(u'\n');
}

QString LinkNotesEdit::LinkAt(const QString& text, int position) {
    if (position < 0 || position >= text.size()) return {};
    const qsizetype start = text.lastIndexOf(u'\n', position) + 1;
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    return NoteLinkAt(text.mid(start, end - start), position - start);
}

void LinkNotesEdit::mousePressEvent(QMouseEvent* event) {
    m_pressedLink = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    QTextEdit::mousePressEvent(event);
}

void LinkNotesEdit::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    // A click on a link opens it; a drag that selects text, or that ends on another link, does not.
    const QString link = anchorAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && !link.isEmpty() && link == m_pressedLink &&
        !textCursor().hasSelection())
        Q_EMIT linkClicked(link);
    m_pressedLink.clear();
}

void LinkNotesEdit::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(anchorAt(event->position().toPoint()).isEmpty() ? Qt::IBeamCursor
                                                                          : Qt::PointingHandCursor);
}

void LinkNotesEdit::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    SetLines(Lines());
    Q_EMIT left();
}
