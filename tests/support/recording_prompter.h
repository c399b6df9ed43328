#pragma once
// Prompter double that answers from a script the test writes beforehand and fails the test on any box it
// did not script: Expect("Delete this session?", Answer::Ok), ExpectText("Save session", path),
// ExpectError("Cannot read *"), ExpectWarning(...). The script is matched in order, by kind and by text
// (a "*" matches any run of characters: "Cannot read *", "The archive * was refused*"). The test fails,
// naming the box, when
//  - an error or warning box is shown that is not the next script line,
//  - a question or dialog is shown whose text or caption differs from the next script line,
//  - script lines are left over when the prompter goes.
// Information boxes are only recorded; questions and dialog captions are recorded as well.
#include "services/services.h"
#include <QStringList>
#include <QTest>
#include <deque>

class RecordingPrompter : public Prompter {
  public:
    QStringList informations, questions;        // as shown, in order (questions: texts and captions)
    std::deque<std::optional<quint32>> colours; // the colour dialogs' results, in order

    RecordingPrompter() = default;
    RecordingPrompter(const RecordingPrompter&) = delete;
    RecordingPrompter& operator=(const RecordingPrompter&) = delete;
    ~RecordingPrompter() override;

    // A question box (Yes/No/Cancel, OK/Cancel, Yes/No, an error asking Yes/No) and its answer.
    void Expect(const QString& question, Answer answer) {
        m_script.push_back({Kind::Question, question, answer, {}});
    }
    // A text input or a file, folder or font dialog (by its caption) and what it returns (nullopt: Cancel).
    void ExpectText(const QString& caption, std::optional<QString> result) {
        m_script.push_back({Kind::Text, caption, Answer::Cancel, std::move(result)});
    }
    // An error or warning box the test expects.
    void ExpectError(const QString& message) { m_script.push_back({Kind::Error, message, Answer::Ok, {}}); }
    void ExpectWarning(const QString& message) {
        m_script.push_back({Kind::Warning, message, Answer::Ok, {}});
    }
    // The prompter is always strict; kept so that rigs which ask for it still build.
    void SetStrict(bool) {}
    bool ScriptDone() const { return m_script.empty(); }

    void ShowError(const QString& m) override { Take(Kind::Error, m); }
    void ShowWarning(const QString& m) override { Take(Kind::Warning, m); }
    void ShowInformation(const QString& m) override { informations << m; }
    Answer AskYesNoCancel(const QString& q) override { return Next(q); }
    Answer AskOkCancel(const QString& q) override { return Next(q); }
    Answer AskYesNo(const QString& q) override { return Next(q); }
    Answer AskErrorYesNo(const QString& q) override { return Next(q); }
    std::optional<QString> AskText(const QString& c, const QString&, const QString&) override {
        return NextText(c);
    }
    std::optional<QString> ChooseOpenFile(const QString& c, const QString&, const QString&) override {
        return NextText(c);
    }
    std::optional<QString> ChooseSaveFile(const QString& c, const QString&, const QString&) override {
        return NextText(c);
    }
    std::optional<QString> ChooseFolder(const QString& c, const QString&) override { return NextText(c); }
    std::optional<QString> ChooseFont(const QString& initial) override { return NextText(initial); }
    std::optional<quint32> ChooseColour(quint32) override;

  private:
    enum class Kind { Question, Text, Error, Warning };
    struct Line {
        Kind kind;
        QString text;
        Answer answer;
        std::optional<QString> result;
    };

    static QString KindName(Kind kind);
    static QString Describe(const Line& line);
    // A '*' in the pattern stands for any run of characters (no other character is special).
    static bool Matches(const QString& pattern, const QString& text);
    // The next script line when it is this box; a failure naming the box (and nothing) when it is not.
    // A box that does not match leaves the script as it is, so the destructor names what was missed.
    const Line* Take(Kind kind, const QString& text);
    Answer Next(const QString& question);
    std::optional<QString> NextText(const QString& caption);

    std::deque<Line> m_script;
    Line m_taken{Kind::Question, {}, Answer::Cancel, {}};
};
