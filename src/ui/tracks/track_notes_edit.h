#pragma once
// The track notes: edited as text, shown with their web addresses as links that open on a click.
#include <QStringList>
#include <QTextEdit>
#include <functional>

class TrackNotesEdit : public QTextEdit {
    Q_OBJECT
  public:
    explicit TrackNotesEdit(QWidget* parent = nullptr);
    // Shows the lines with their links marked (no edit).
    void SetLines(const QStringList& lines);
    // The lines as typed; none when the editor is empty.
    QStringList Lines() const;

    std::function<void(const QStringList& lines)> edited;
    std::function<void(const QString& link)> linkClicked;
    // The editor was left: the links are marked again.
    std::function<void()> left;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool m_showing = false;
};
