#pragma once
// A prompter for the command line: messages go to stderr; the commands ask no questions.
#include "command_registry.h"
#include "services/services.h"

namespace cli {

class StderrPrompter : public Prompter {
  public:
    bool anyError = false;
    void ShowError(const QString& message) override {
        anyError = true;
        cli::PrintError(message);
    }
    void ShowWarning(const QString& message) override { cli::PrintError(message); }
    void ShowInformation(const QString& message) override { cli::PrintError(message); }
    Answer AskYesNoCancel(const QString&) override { return Answer::Cancel; }
    Answer AskOkCancel(const QString&) override { return Answer::Cancel; }
    Answer AskYesNo(const QString&) override { return Answer::No; }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> ChooseOpenFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> ChooseSaveFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> ChooseFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<quint32> ChooseColour(quint32) override { return std::nullopt; }
    std::optional<QString> ChooseFont(const QString&) override { return std::nullopt; }
};

} // namespace cli
