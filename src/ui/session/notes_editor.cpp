#include "notes_editor.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextBlock>

namespace {

const QRegularExpression& LinkPattern() {
    static const QRegularExpression pattern(QStringLiteral(R"((?:https?://|ftp://|mailto:|www\.)[^\s<>"]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

class LinkHighlighter : public QSyntaxHighlighter {
  public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

  protected:
    void highlightBlock(const QString& text) override {
        QTextCharFormat format;
        format.setForeground(QColor(0, 0, 0xCC));
        format.setFontUnderline(true);
        auto matches = LinkPattern().globalMatch(text);
        while (matches.hasNext()) {
            const auto match = matches.next();
            setFormat(int(match.capturedStart()), int(match.capturedLength()), format);
        }
    }
};

} // namespace

NotesEditor::NotesEditor(QWidget* parent) : QPlainTextEdit(parent) {
    new LinkHighlighter(document());
    setMouseTracking(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showing) Q_EMIT edited(toPlainText());
    });
}

void NotesEditor::ShowText(const QString& text) {
    if (toPlainText() == text) return;
    m_showing = true;
    setPlainText(text);
    m_showing = false;
}

QString NotesEditor::LinkAt(const QString& text, int position) {
    auto matches = LinkPattern().globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        if (position >= match.capturedStart() && position < match.capturedEnd()) {
            QString link = match.captured();
            if (link.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
                link.prepend(QStringLiteral("http://"));
            return link;
        }
    }
    return {};
}

QString NotesEditor::LinkUnder(const QPoint& point) const {
    const QTextCursor cursor = cursorForPosition(point);
    const QTextBlock block = cursor.block();
    // The cursor lands between characters; the character under the pointer is the one after it.
    const QRect rect = cursorRect(cursor);
    int position = cursor.positionInBlock();
    if (point.x() < rect.x() && position > 0) --position;
    return LinkAt(block.text(), position);
}

void NotesEditor::mousePressEvent(QMouseEvent* event) {
    m_pressedLink = event->button() == Qt::LeftButton ? LinkUnder(event->position().toPoint()) : QString();
    QPlainTextEdit::mousePressEvent(event);
}

void NotesEditor::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    const QString link = LinkUnder(event->position().toPoint());
    if (event->button() == Qt::LeftButton && !link.isEmpty() && link == m_pressedLink &&
        !textCursor().hasSelection())
        Q_EMIT linkClicked(link);
    m_pressedLink.clear();
}

void NotesEditor::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(LinkUnder(event->position().toPoint()).isEmpty() ? Qt::IBeamCursor
                                                                           : Qt::PointingHandCursor);
}
