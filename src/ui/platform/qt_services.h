#pragma once
// The services of the logic, implemented with Qt.
#include "services/services.h"
#include <QElapsedTimer>
#include <QPointer>
#include <QSettings>
#include <QWidget>
#include <memory>

class QLabel;

// Message boxes and standard dialogs. A non-interactive prompter (screenshots) shows nothing: messages
// go to stderr, questions are answered Cancel (or No), dialogs are cancelled.
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(bool interactive = true) : m_interactive(interactive) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowError(const QString& message) override;
    void ShowWarning(const QString& message) override;
    void ShowInformation(const QString& message) override;
    Answer AskYesNoCancel(const QString& question) override;
    Answer AskOkCancel(const QString& question) override;
    Answer AskYesNo(const QString& question) override;
    Answer AskErrorYesNo(const QString& question) override;
    std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                   const QString& initial) override;
    std::optional<QString> ChooseOpenFile(const QString& caption, const QString& folder,
                                          const QString& filter) override;
    std::optional<QString> ChooseSaveFile(const QString& caption, const QString& suggestedPath,
                                          const QString& filter) override;
    std::optional<QString> ChooseFolder(const QString& caption, const QString& folder) override;
    std::optional<quint32> ChooseColour(quint32 initial) override;
    std::optional<QString> ChooseFont(const QString& initial) override;

  private:
    bool m_interactive;
    QPointer<QWidget> m_parent;
};

class QtClock : public Clock {
  public:
    QtClock() { m_started.start(); }
    std::uint32_t TickMs() override;
    double NowDayNumber() override;

  private:
    QElapsedTimer m_started;
};

class QtBeeper : public Beeper {
  public:
    void Beep() override;
};

class QtShell : public Shell {
  public:
    bool Open(const QString& fileOrAddress) override;
};

// The small always-on-top "Status" window.
class QtProgress : public Progress {
  public:
    QtProgress();
    ~QtProgress() override;
    void Show(const QString& text) override;
    void Hide() override;

  private:
    std::unique_ptr<QWidget> m_window;
    QLabel* m_label = nullptr;
};

// QSettings INI in the user's configuration folder (organisation "Kalverin", application "Vorlapa"), or
// a given file.
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& iniPath);
    std::optional<QVariant> Value(const QString& key) override;
    void SetValue(const QString& key, const QVariant& value) override;
    void Remove(const QString& key) override;
    QStringList ChildKeys(const QString& group) override;

  private:
    QSettings m_settings;
};
