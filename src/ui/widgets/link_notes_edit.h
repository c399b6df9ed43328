#pragma once
// A multi-line notes editor whose web addresses are links: they are marked when a text is shown and again
// when the editor is left (marking them is no edit), and clicking one reports it (the owner hands it to the
// system). The text is edited as plain lines; which words are links is NoteLinks' rule.
#include <QStringList>
#include <QTextEdit>

class LinkNotesEdit : public QTextEdit {
    Q_OBJECT
  public:
    explicit LinkNotesEdit(QWidget* parent = nullptr);

    // Shows a text with its links marked, without reporting an edit; a text that is already there is left
    // as it stands (the cursor stays where it is).
    void ShowText(const QString& text);
    // Shows the lines with their links marked, without reporting an edit.
    void SetLines(const QStringList& lines);
    // The lines as typed; none when the editor is empty.
    QStringList Lines() const;
    // The web address at a position of a text, empty when there is none.
    static QString LinkAt(const QString& text, int position);

  Q_SIGNALS:
    void edited(const QString& text);
    void linkClicked(const QString& target);
    // The editor lost the focus; its links were marked again.
    void left();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool m_showing = false;
    QString m_pressedLink;
};
