#pragma once
// Everything the logic needs from the platform, passed in (never global). ui/platform implements these
// with Qt; tests/support has doubles.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <optional>

enum class Answer { Yes, No, Cancel, Ok };

// Message boxes, questions and the standard dialogs.
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual void ShowError(const QString& message) = 0;
    virtual void ShowWarning(const QString& message) = 0;
    virtual void ShowInformation(const QString& message) = 0;
    virtual Answer AskYesNoCancel(const QString& question) = 0; // Yes, No or Cancel
    virtual Answer AskOkCancel(const QString& question) = 0;    // Ok or Cancel
    virtual Answer AskYesNo(const QString& question) = 0;       // Yes or No
    // An error that asks how to go on ("... already exists! Try again?"): an error box with Yes and No.
    virtual Answer AskErrorYesNo(const QString& question) { return AskYesNo(question); }
    // Text input; std::nullopt when cancelled.
    virtual std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                           const QString& initial) = 0;
    // File dialogs: the chosen path, std::nullopt when cancelled. filter as in Qt ("Sessions (*.ses)").
    virtual std::optional<QString> ChooseOpenFile(const QString& caption, const QString& folder,
                                                  const QString& filter) = 0;
    virtual std::optional<QString> ChooseSaveFile(const QString& caption, const QString& suggestedPath,
                                                  const QString& filter) = 0;
    virtual std::optional<QString> ChooseFolder(const QString& caption, const QString& folder) = 0;
    virtual std::optional<quint32> ChooseColour(quint32 initial) = 0;      // 0x00BBGGRR
    virtual std::optional<QString> ChooseFont(const QString& initial) = 0; // "family,size[,bold]"
};

// Millisecond tick for stopwatch presses (32-bit, wraps) and the wall clock as a day number.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint32_t TickMs() = 0;
    virtual double NowDayNumber() = 0; // days since 1899-12-30, local time
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// Opens a file or address with the system's program for it; false on failure.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual bool Open(const QString& fileOrAddress) = 0;
};

// The small always-on-top "Status" window of long operations.
class Progress {
  public:
    virtual ~Progress() = default;
    virtual void Show(const QString& text) = 0;
    virtual void Hide() = 0;
};

// Machine-wide key-value store (window geometry, column widths, histories). Keys like "Coords/FormWidth".
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QVariant> Value(const QString& key) = 0;
    virtual void SetValue(const QString& key, const QVariant& value) = 0;
    virtual void Remove(const QString& key) = 0;
    virtual QStringList ChildKeys(const QString& group) = 0;
};

// All services together; the application state receives one at construction. Pointers are not owned.
struct Services {
    Prompter* prompter = nullptr;
    Clock* clock = nullptr;
    Beeper* beeper = nullptr;
    Shell* shell = nullptr;
    Progress* progress = nullptr;
    SettingsStore* settings = nullptr;
};
