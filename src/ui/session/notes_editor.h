#pragma once
// A multi-line note editor that shows web addresses as links: they are drawn underlined in the link
// colour, and clicking one reports it (the owner hands it to the system). Marking the links is no edit.
#include <QPlainTextEdit>

class NotesEditor : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit NotesEditor(QWidget* parent = nullptr);

    // Shows a text without reporting an edit.
    void ShowText(const QString& text);
    // The web address at a position of the text, empty when there is none.
    static QString LinkAt(const QString& text, int position);

  Q_SIGNALS:
    void edited(const QString& text);
    void linkClicked(const QString& target);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QString LinkUnder(const QPoint& point) const;

    bool m_showing = false;
    QString m_pressedLink;
};
