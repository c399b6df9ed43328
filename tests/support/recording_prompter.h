#pragma once
// Prompter double that records every message, question and dialog, and answers from a script the test
// writes beforehand: Expect("Delete this session?", Answer::Ok), ExpectText("Save session", path),
// ExpectError("Cannot read *"). The script is matched in order and by text (a trailing "*" matches any
// text that starts with the rest); a box that is not the next one scripted fails the test, and so do
// script lines left over when the prompter goes.
//
// The older form (filling `answers` and `texts`, then looking at `errors`) still answers in order
// without looking at the text; it does not fail on unexpected messages.
#include "services/services.h"
#include <QStringList>
#include <QTest>
#include <deque>

class RecordingPrompter : public Prompter {
  public:
    QStringList errors, warnings, informations, questions; // as shown, in order (questions: texts and captions)
    std::deque<Answer> answers;                            // older form: the Ask* questions, in order
    std::deque<std::optional<QString>> texts;              // older form: AskText and the dialogs
    std::deque<std::optional<quint32>> colours;

    RecordingPrompter() = default;
    RecordingPrompter(const RecordingPrompter&) = delete;
    RecordingPrompter& operator=(const RecordingPrompter&) = delete;
    ~RecordingPrompter() override {
        if (m_script.empty() || QTest::currentTestFailed()) return;
        QTest::qFail(qPrintable(QStringLiteral("scripted but never shown: ") + Describe(m_script.front())),
                     __FILE__, __LINE__);
    }

    // A question box (Yes/No/Cancel, OK/Cancel, Yes/No, an error asking Yes/No) and its answer.
    void Expect(const QString& question, Answer answer) { m_script.push_back({Kind::Question, question, answer, {}}); }
    // A text input or a file, folder or font dialog (by its caption) and what it returns (nullopt: Cancel).
    void ExpectText(const QString& caption, std::optional<QString> result) {
        m_script.push_back({Kind::Text, caption, Answer::Cancel, std::move(result)});
    }
    // An error or warning box the test expects. Information boxes are only recorded.
    void ExpectError(const QString& message) { m_script.push_back({Kind::Error, message, Answer::Ok, {}}); }
    void ExpectWarning(const QString& message) { m_script.push_back({Kind::Warning, message, Answer::Ok, {}}); }
    // Every box and dialog must then be scripted (set by the tests written with the script).
    void SetStrict(bool strict) { m_strict = strict; }
    bool ScriptDone() const { return m_script.empty(); }

    void ShowError(const QString& m) override {
        errors << m;
        Take(Kind::Error, m);
    }
    void ShowWarning(const QString& m) override {
        warnings << m;
        Take(Kind::Warning, m);
    }
    void ShowInformation(const QString& m) override { informations << m; }
    Answer AskYesNoCancel(const QString& q) override { return Next(q); }
    Answer AskOkCancel(const QString& q) override { return Next(q); }
    Answer AskYesNo(const QString& q) override { return Next(q); }
    Answer AskErrorYesNo(const QString& q) override { return Next(q); }
    std::optional<QString> AskText(const QString& c, const QString&, const QString&) override { return NextText(c); }
    std::optional<QString> ChooseOpenFile(const QString& c, const QString&, const QString&) override {
        return NextText(c);
    }
    std::optional<QString> ChooseSaveFile(const QString& c, const QString&, const QString&) override {
        return NextText(c);
    }
    std::optional<QString> ChooseFolder(const QString& c, const QString&) override { return NextText(c); }
    std::optional<QString> ChooseFont(const QString& initial) override { return NextText(initial); }
    std::optional<quint32> ChooseColour(quint32) override {
        if (colours.empty()) {
            QTest::qFail("unexpected colour dialog", __FILE__, __LINE__);
            return std::nullopt;
        }
        auto c = colours.front();
        colours.pop_front();
        return c;
    }

  private:
    enum class Kind { Question, Text, Error, Warning };
    struct Line {
        Kind kind;
        QString text;
        Answer answer;
        std::optional<QString> result;
    };

    static QString KindName(Kind kind) {
        switch (kind) {
        case Kind::Question:
            return QStringLiteral("question");
        case Kind::Text:
            return QStringLiteral("dialog");
        case Kind::Error:
            return QStringLiteral("error");
        case Kind::Warning:
            return QStringLiteral("warning");
        }
        return {};
    }
    static QString Describe(const Line& line) { return KindName(line.kind) + QStringLiteral(" \"") + line.text + u'"'; }
    static bool Matches(const QString& pattern, const QString& text) {
        if (pattern.endsWith(u'*')) return text.startsWith(pattern.chopped(1));
        return text == pattern;
    }

    // The next script line when it is this box; a failure (and nothing) when it is not.
    const Line* Take(Kind kind, const QString& text) {
        if (m_script.empty()) {
            // Without a script, errors and warnings are only recorded unless the test asked for strictness.
            if (m_strict || kind == Kind::Question || kind == Kind::Text)
                QTest::qFail(qPrintable(QStringLiteral("unexpected ") + KindName(kind) + QStringLiteral(": ") + text),
                             __FILE__, __LINE__);
            return nullptr;
        }
        const Line& next = m_script.front();
        if (next.kind != kind || !Matches(next.text, text)) {
            QTest::qFail(qPrintable(QStringLiteral("shown ") + KindName(kind) + QStringLiteral(" \"") + text +
                                    QStringLiteral("\" where the script has ") + Describe(next)),
                         __FILE__, __LINE__);
            return nullptr;
        }
        m_taken = next;
        m_script.pop_front();
        return &m_taken;
    }

    Answer Next(const QString& question) {
        questions << question;
        if (m_script.empty() && !answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        const Line* line = Take(Kind::Question, question);
        return line ? line->answer : Answer::Cancel;
    }
    std::optional<QString> NextText(const QString& caption) {
        questions << caption;
        // A cancelled dialog, else the text: copying the optional as a whole makes g++ 12 warn of a
        // QString that may be used uninitialized (a false warning).
        if (m_script.empty() && !texts.empty()) {
            const bool cancelled = !texts.front().has_value();
            QString t = cancelled ? QString() : std::move(*texts.front());
            texts.pop_front();
            if (cancelled) return std::nullopt;
            return t;
        }
        const Line* line = Take(Kind::Text, caption);
        if (!line || !line->result.has_value()) return std::nullopt;
        return QString(*line->result);
    }

    std::deque<Line> m_script;
    Line m_taken{Kind::Question, {}, Answer::Cancel, {}};
    bool m_strict = false;
};
