#include "txt_parser.h"

#include "atomic_file.h"
#include "date_time.h"
#include "text_codec.h"
#include "text_helpers.h"
#include "translate.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Case folding code point by code point, the same folding QString's case-insensitive comparison uses.
QString Fold(QStringView text) {
    // Keys are nearly always ASCII: fold those without the round trip through UCS-4.
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        QString lowered(text.size(), Qt::Uninitialized);
        QChar* out = lowered.data();
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            *out++ = QChar(u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u);
        }
        return lowered;
    }
    QString folded;
    folded.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const char32_t f = QChar::toCaseFolded(c);
        if (QChar::requiresSurrogates(f)) {
            folded += QChar(QChar::highSurrogate(f));
            folded += QChar(QChar::lowSurrogate(f));
        } else {
            folded += QChar(char16_t(f));
        }
    }
    return folded;
}

bool IsHeaderOf(const QString& line, const QString& header) {
    return line.contains(u'[') && line.compare(header, Qt::CaseInsensitive) == 0;
}

bool EndsSection(const QString& line) {
    return line.contains(u'[') || line.contains(u']');
}

// The value of a line that starts with probe: after the first "=", up to the first ";" after it.
std::optional<QString> ValueAfterEquals(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    const qsizetype semicolon = line.indexOf(u';', equals + 1);
    if (semicolon < 0) return std::nullopt;
    return TrimControl(line.mid(equals + 1, semicolon - equals - 1));
}

// A value or list line is one line of the file: line breaks inside become blanks.
QString OneLine(QString text) {
    text.replace(kLineEnd, QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

QString ReadValueByRescanning(const QStringList& lines, const QString& section, const QString& key,
                              qsizetype* position, bool* missingTerminator) {
    if (missingTerminator) *missingTerminator = false;
    const QString probe = key + u'=';
    const QString header = u'[' + section + u']';
    qsizetype at = 0;
    const qsizetype count = lines.size();
    while (at < count && !IsHeaderOf(lines.at(at), header))
        ++at;
    if (at == count) {
        if (position) *position = count;
        return QString();
    }
    for (++at; at < count; ++at) {
        const QString& line = lines.at(at);
        if (line.startsWith(probe, Qt::CaseInsensitive)) {
            if (position) *position = at + 1;
            const auto value = ValueAfterEquals(line);
            if (!value && missingTerminator) *missingTerminator = true;
            return value.value_or(QString());
        }
        if (EndsSection(line)) {
            if (position) *position = at + 1;
            return QString();
        }
    }
    if (position) *position = count;
    return QString();
}

TTxtParser::TTxtParser(MessageSink onError) : m_onError(std::move(onError)) {
}

void TTxtParser::OpenRead(const QString& path) {
    m_path = path;
    m_writing = false;
    m_open = false;
    m_lines.clear();
    m_written.clear();
    if (QFileInfo::exists(path)) {
        const auto bytes = ReadWholeFile(path);
        if (bytes) {
            m_lines = SplitLines(DecodeFileText(*bytes));
            m_open = true;
        } else if (m_onError) {
            m_onError(bytes.error());
        }
    }
    BuildIndex();
}

void TTxtParser::OpenReadText(const QString& text) {
    m_path.clear();
    m_writing = false;
    m_written.clear();
    m_lines = SplitLines(text);
    m_open = true;
    BuildIndex();
}

void TTxtParser::BuildIndex() {
    m_position = 0;
    m_headerCandidates.clear();
    m_sectionEnds.clear();
    m_headerOf.clear();
    m_sections.clear();
    for (int i = 0; i < int(m_lines.size()); ++i) {
        const QString& line = m_lines.at(i);
        const bool open = line.contains(u'[');
        if (open) m_headerCandidates.push_back(i);
        if (open || line.contains(u']')) m_sectionEnds.push_back(i);
    }
}

int TTxtParser::FindHeader(const QString& section) {
    const auto known = m_headerOf.constFind(section);
    if (known != m_headerOf.constEnd()) return known.value();
    const QString header = u'[' + section + u']';
    int found = -1;
    for (const int line : m_headerCandidates) {
        if (m_lines.at(line).compare(header, Qt::CaseInsensitive) == 0) {
            found = line;
            break;
        }
    }
    m_headerOf.insert(section, found);
    return found;
}

TTxtParser::Section& TTxtParser::IndexedSection(int headerLine) {
    Section& section = m_sections[headerLine];
    if (section.indexed) return section;
    section.indexed = true;
    section.firstLine = headerLine + 1;
    const auto end = std::upper_bound(m_sectionEnds.begin(), m_sectionEnds.end(), headerLine);
    section.scanEnd = end == m_sectionEnds.end() ? int(m_lines.size()) : *end + 1;
    for (int line = section.firstLine; line < section.scanEnd; ++line) {
        const QString& text = m_lines.at(line);
        const qsizetype equals = text.indexOf(u'=');
        if (equals < 0) continue;
        const QString key = Fold(QStringView(text).left(equals));
        if (!section.keyLines.contains(key)) section.keyLines.insert(key, line);
    }
    return section;
}

QString TTxtParser::ReadValue(const QString& section, const QString& key) {
    if (!m_open || m_writing) return QString();
    // A key holding "=" would match lines by more than their key part; those few go the literal way.
    if (key.contains(u'=')) return ReadValueRescanning(section, key);
    const int header = FindHeader(section);
    if (header < 0) {
        m_position = m_lines.size();
        return QString();
    }
    const Section& indexed = IndexedSection(header);
    const auto found = indexed.keyLines.constFind(Fold(key));
    if (found == indexed.keyLines.constEnd()) {
        m_position = indexed.scanEnd;
        return QString();
    }
    const QString probe = key + u'=';
    if (!m_lines.at(found.value()).startsWith(probe, Qt::CaseInsensitive))
        return ReadValueRescanning(section, key);
    return ValueOfLine(found.value(), probe);
}

QString TTxtParser::ReadValueRescanning(const QString& section, const QString& key) {
    bool missing = false;
    const QString value = ReadValueByRescanning(m_lines, section, key, &m_position, &missing);
    if (missing && m_onError)
        m_onError(Fill(Translate("Missing terminating ; for identifier %s"), key + u'='));
    return value;
}

QString TTxtParser::ValueOfLine(int line, const QString& probe) {
    m_position = line + 1;
    const auto value = ValueAfterEquals(m_lines.at(line));
    if (!value) {
        if (m_onError) m_onError(Fill(Translate("Missing terminating ; for identifier %s"), probe));
        return QString();
    }
    return *value;
}

void TTxtParser::ReadLines(QStringList& lines, const QString& endMarker) {
    if (!m_open || m_writing) return;
    while (m_position < m_lines.size()) {
        const QString& line = m_lines.at(m_position++);
        // An empty marker never matches, so the block then runs to the end of the file.
        if (!endMarker.isEmpty() && line.contains(endMarker)) return;
        lines.append(line);
    }
}

void TTxtParser::OpenWrite(const QString& path) {
    m_heldBlocks.clear();
    m_path = path;
    m_writing = true;
    m_open = true;
    m_lines.clear();
    BuildIndex();
    m_written.clear();
    const double now = DayNumberFromDateTime(QDateTime::currentDateTime());
    WriteLine(QStringLiteral("// Generated by Vorlapa ") + DateTimeText(now) +
              QStringLiteral(", do not modify"));
}

void TTxtParser::WriteLine(const QString& line) {
    m_written += line;
    m_written += kLineEnd;
}

void TTxtParser::WriteSection(const QString& name) {
    if (!m_open || !m_writing) return;
    WriteHeldBlocks();
    const QString trimmed = TrimControl(name);
    if (trimmed.isEmpty()) return;
    WriteLine(QString());
    WriteLine(u'[' + OneLine(trimmed) + u']');
}

void TTxtParser::WriteValue(const QString& key, const QString& value) {
    if (!m_open || !m_writing) return;
    const QString trimmed = TrimControl(OneLine(value));
    if (trimmed.isEmpty()) return;
    WriteLine(key + u'=' + trimmed + u';');
}

void TTxtParser::WriteLines(const QStringList& lines) {
    if (!m_open || !m_writing) return;
    for (const QString& line : lines)
        WriteLine(OneLine(line));
}

void TTxtParser::WriteTextBlock(const QString& text) {
    if (!m_open || !m_writing || TrimControl(text).isEmpty()) return;
    // Every line break of the note becomes CR LF, so the file has one kind of line end.
    QString normalized = text;
    normalized.replace(kLineEnd, QStringLiteral("\n"));
    normalized.replace(u'\r', u'\n');
    normalized.replace(u'\n', kLineEnd);
    m_written += normalized;
    if (!normalized.endsWith(kLineEnd)) m_written += kLineEnd;
}

void TTxtParser::WriteListBlock(const QString& key, const QString& begin, const QString& end,
                                const QStringList& lines) {
    if (!m_open || !m_writing) return;
    m_heldBlocks.push_back(HeldBlock{key, begin, end, lines, QString(), false});
}

void TTxtParser::WriteNotesBlock(const QString& key, const QString& begin, const QString& end,
                                 const QString& text) {
    if (!m_open || !m_writing || TrimControl(text).isEmpty()) return;
    m_heldBlocks.push_back(HeldBlock{key, begin, end, QStringList(), text, true});
}

void TTxtParser::WriteHeldBlocks() {
    if (m_heldBlocks.empty()) return;
    auto holdsBracket = [](const HeldBlock& block) {
        auto bracket = [](const QString& text) { return text.contains(u'[') || text.contains(u']'); };
        return block.notes ? bracket(block.text)
                           : std::any_of(block.lines.begin(), block.lines.end(), bracket);
    };
    // Blocks without brackets first: each of them can be read back whatever follows it.
    std::vector<HeldBlock> blocks = std::move(m_heldBlocks);
    m_heldBlocks.clear();
    std::stable_partition(blocks.begin(), blocks.end(), [&](const HeldBlock& b) { return !holdsBracket(b); });
    const auto bracketed = std::count_if(blocks.begin(), blocks.end(), holdsBracket);
    // Only the last block with a bracket line can be found: a bracket line ends the section, so every
    // block key after it would be lost. The others keep their text with look-alike brackets.
    qsizetype toWiden = bracketed > 1 ? bracketed - 1 : 0;
    auto widen = [](QString text) {
        text.replace(u'[', QChar(0xFF3B));
        text.replace(u']', QChar(0xFF3D));
        return text;
    };
    for (HeldBlock& block : blocks) {
        if (toWiden > 0 && holdsBracket(block)) {
            --toWiden;
            block.text = widen(block.text);
            for (QString& line : block.lines)
                line = widen(line);
        }
        WriteValue(block.key, block.begin);
        if (block.notes)
            WriteTextBlock(block.text);
        else
            WriteLines(block.lines);
        WriteValue(block.key, block.end);
    }
}

const QString& TTxtParser::WrittenText() {
    if (m_open && m_writing) WriteHeldBlocks();
    return m_written;
}

Expected<void, QString> TTxtParser::Close() {
    if (m_open && m_writing) WriteHeldBlocks();
    const bool wasWriting = m_open && m_writing;
    m_open = false;
    m_writing = false;
    m_lines.clear();
    BuildIndex();
    if (!wasWriting) return {};
    return WriteFileAtomically(m_path, EncodeFileText(m_written));
}
