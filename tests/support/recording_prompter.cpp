#include "recording_prompter.h"

#include <QTest>

RecordingPrompter::~RecordingPrompter() {
    if (m_script.empty() || QTest::currentTestFailed()) return;
    QStringList left;
    for (const Line& line : m_script)
        left << Describe(line);
    QTest::qFail(qPrintable(QStringLiteral("scripted but never shown: ") + left.join(QStringLiteral(", "))),
                 __FILE__, __LINE__);
}

std::optional<quint32> RecordingPrompter::ChooseColour(quint32) {
    if (colours.empty()) {
        QTest::qFail("unexpected colour dialog", __FILE__, __LINE__);
        return std::nullopt;
    }
    auto c = colours.front();
    colours.pop_front();
    return c;
}

QString RecordingPrompter::KindName(Kind kind) {
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
QString RecordingPrompter::Describe(const Line& line) {
    return KindName(line.kind) + QStringLiteral(" \"") + line.text + u'"';
}
bool RecordingPrompter::Matches(const QString& pattern, const QString& text) {
    const QStringList pieces = pattern.split(u'*');
    if (pieces.size() == 1) return text == pattern;
    if (!text.startsWith(pieces.first()) || !text.endsWith(pieces.last())) return false;
    qsizetype at = pieces.first().size();
    const qsizetype end = text.size() - pieces.last().size();
    if (end < at) return false;
    for (qsizetype i = 1; i + 1 < pieces.size(); ++i) {
        at = text.indexOf(pieces[i], at);
        if (at < 0 || at + pieces[i].size() > end) return false;
        at += pieces[i].size();
    }
    return true;
}

const RecordingPrompter::Line* RecordingPrompter::Take(Kind kind, const QString& text) {
    if (m_script.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected ") + KindName(kind) + QStringLiteral(" \"") +
                                text + QStringLiteral("\" (nothing left in the script)")),
                     __FILE__, __LINE__);
        return nullptr;
    }
    const Line& next = m_script.front();
    if (next.kind != kind || !Matches(next.text, text)) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected ") + KindName(kind) + QStringLiteral(" \"") +
                                text + QStringLiteral("\" where the script has ") + Describe(next)),
                     __FILE__, __LINE__);
        return nullptr;
    }
    m_taken = next;
    m_script.pop_front();
    return &m_taken;
}

Answer RecordingPrompter::Next(const QString& question) {
    questions << question;
    const Line* line = Take(Kind::Question, question);
    return line ? line->answer : Answer::Cancel;
}
std::optional<QString> RecordingPrompter::NextText(const QString& caption) {
    questions << caption;
    const Line* line = Take(Kind::Text, caption);
    // A cancelled dialog, else the text: copying the optional as a whole makes g++ 12 warn of a
    // QString that may be used uninitialized (a false warning).
    if (!line || !line->result.has_value()) return std::nullopt;
    return QString(*line->result);
}
