#pragma once
// Prompter double that records every message and question and answers from a script.
// A question with no scripted answer left fails the test.
#include "app/services.h"
#include <QStringList>
#include <QTest>
#include <deque>

class RecordingPrompter : public Prompter {
public:
    QStringList errors, warnings, informations, questions;
    std::deque<Answer> answers;                          // for the Ask* questions, in order
    std::deque<std::optional<QString>> texts;            // for AskText and the file/folder/font dialogs
    std::deque<std::optional<quint32>> colours;

    void ShowError(const QString& m) override { errors << m; }
    void ShowWarning(const QString& m) override { warnings << m; }
    void ShowInformation(const QString& m) override { informations << m; }
    Answer AskYesNoCancel(const QString& q) override { return Next(q); }
    Answer AskOkCancel(const QString& q) override { return Next(q); }
    Answer AskYesNo(const QString& q) override { return Next(q); }
    std::optional<QString> AskText(const QString& c, const QString&, const QString&) override { return NextText(c); }
    std::optional<QString> ChooseOpenFile(const QString& c, const QString&, const QString&) override { return NextText(c); }
    std::optional<QString> ChooseSaveFile(const QString& c, const QString&, const QString&) override { return NextText(c); }
    std::optional<QString> ChooseFolder(const QString& c, const QString&) override { return NextText(c); }
    std::optional<QString> ChooseFont(const QString& initial) override { return NextText(initial); }
    std::optional<quint32> ChooseColour(quint32) override {
        if (colours.empty()) { QTest::qFail("unexpected colour dialog", __FILE__, __LINE__); return std::nullopt; }
        auto c = colours.front(); colours.pop_front(); return c;
    }

private:
    Answer Next(const QString& question) {
        questions << question;
        if (answers.empty()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + question), __FILE__, __LINE__);
            return Answer::Cancel;
        }
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> NextText(const QString& caption) {
        questions << caption;
        if (texts.empty()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected dialog: ") + caption), __FILE__, __LINE__);
            return std::nullopt;
        }
        // A cancelled dialog, else the text: copying the optional as a whole makes g++ 12 warn of a
        // QString that may be used uninitialized (a false warning).
        const bool cancelled = !texts.front().has_value();
        QString t = cancelled ? QString() : std::move(*texts.front());
        texts.pop_front();
        if (cancelled) return std::nullopt;
        return t;
    }
};
