#include "ui/widgets/mru_combo_box.h"

#include "popup_width.h"

#include <QFocusEvent>
#include <QSignalBlocker>

TMRUComboBox::TMRUComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &TMRUComboBox::EntryChosen);
}

void TMRUComboBox::SetHistory(SettingsStore* settings, const QString& key, int maximum) {
    m_settings = settings;
    m_history = HistoryList(settings, key, maximum < 0 ? DefaultHistoryMaximum(key) : maximum);
    Refill();
}

void TMRUComboBox::AddToHistory(const QString& text) {
    if (m_history.AddToHistory(text)) Refill();
}

void TMRUComboBox::SetText(const QString& text) {
    const QSignalBlocker blocker(this);
    const int at = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at >= 0) setCurrentIndex(at);
    setEditText(text);
}

void TMRUComboBox::Refill() {
    const QString text = currentText();
    const QSignalBlocker blocker(this);
    clear();
    addItems(m_history.Entries());
    FitPopupToItems(this);
    SetText(text);
}

void TMRUComboBox::EntryChosen(int index) {
    if (index > 0) AddToHistory(itemText(index)); // moves it to the top
}

void TMRUComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) Leave();
}

void TMRUComboBox::Leave() {
    if (HistoryAddsOnLeave(m_history.Key())) AddToHistory(currentText());
}
