#pragma once
// A prompter for runs with nobody to ask (scripts, benchmarks): every question is answered yes,
// dialogs are cancelled, and messages go to an optional sink.
#include "services.h"
#include <functional>

class AutoAnswerPrompter : public Prompter {
  public:
    explicit AutoAnswerPrompter(std::function<void(const QString&)> messageSink = {})
        : m_sink(std::move(messageSink)) {}

    void ShowError(const QString& m) override { Tell(m); }
    void ShowWarning(const QString& m) override { Tell(m); }
    void ShowInformation(const QString&) override {}
    Answer AskYesNoCancel(const QString&) override { return Answer::Yes; }
    Answer AskOkCancel(const QString&) override { return Answer::Ok; }
    Answer AskYesNo(const QString&) override { return Answer::Yes; }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> ChooseOpenFile(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> ChooseSaveFile(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> ChooseFolder(const QString&, const QString&) override { return {}; }
    std::optional<quint32> ChooseColour(quint32) override { return {}; }
    std::optional<QString> ChooseFont(const QString&) override { return {}; }

  private:
    void Tell(const QString& m) {
        if (m_sink) m_sink(m);
    }
    std::function<void(const QString&)> m_sink;
};
