#pragma once
// An entry box with a history of its most recent distinct texts (newest first) kept in the settings store
// under its history key. Leaving the box adds its text, except for the keys that do not take it.
#include "app/history_list.h"

#include <QComboBox>

class TMRUComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TMRUComboBox(QWidget* parent = nullptr);

    // Sets the history key and loads its history; maximum -1 takes the key's default.
    void SetHistory(SettingsStore* settings, const QString& key, int maximum = -1);
    const HistoryList& History() const { return m_history; }
    void AddToHistory(const QString& text);

    QString Text() const { return currentText(); }
    void SetText(const QString& text); // selects the entry when the text is in the list

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    // Leaving the box (focus lost to anything but its own list).
    virtual void Leave();
    void Refill();

  private:
    void EntryChosen(int index);

    SettingsStore* m_settings = nullptr;
    HistoryList m_history;
};
