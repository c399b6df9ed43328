#include "summary_excerpt.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

struct Line {
    qsizetype begin, end; // bytes of the line without its line break
};

// Lines as the tag-file reader splits them: at CR LF, LF or a lone CR; no empty line after a final break.
std::vector<Line> SplitByteLines(const char* data, qsizetype size) {
    std::vector<Line> lines;
    lines.reserve(std::size_t(size / 24 + 1));
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back({start, i});
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < size) lines.push_back({start, size});
    return lines;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view probe) {
    if (text.size() != probe.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Lower(text[i]) != Lower(probe[i])) return false;
    return true;
}

bool StartsIgnoringCase(std::string_view text, std::string_view probe) {
    return text.size() >= probe.size() && EqualsIgnoringCase(text.substr(0, probe.size()), probe);
}

struct Block {
    const char* key;
    const char* endMarker;
};
struct NeededSection {
    const char* name;
    std::vector<Block> blocks;
};

// Every section the summary row reads, with the blocks it reads after a key.
const std::vector<NeededSection>& Needed() {
    static const std::vector<NeededSection> sections = {
        {"information", {}},
        {"conditions", {}},
        {"session_notes", {{"notes", "notes_end"}, {"notes_vehicle", "notes_end"}}},
        {"lap_times", {}},
        {"general", {}},
        {"engine", {}},
        {"gearing", {}},
    };
    return sections;
}

} // namespace

std::optional<QString> SummaryExcerpt(const QByteArray& bytes) {
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i)
        if (static_cast<unsigned char>(data[i]) >= 0x80) return std::nullopt;

    const std::vector<Line> lines = SplitByteLines(data, size);
    const int count = int(lines.size());
    auto text = [&](int line) {
        return std::string_view(data + lines[std::size_t(line)].begin,
                                std::size_t(lines[std::size_t(line)].end - lines[std::size_t(line)].begin));
    };
    std::vector<int> headerCandidates, sectionEnds;
    for (int i = 0; i < count; ++i) {
        const std::string_view line = text(i);
        const bool open = line.find('[') != std::string_view::npos;
        if (open) headerCandidates.push_back(i);
        if (open || line.find(']') != std::string_view::npos) sectionEnds.push_back(i);
    }

    std::vector<char> keep(std::size_t(count), 0);
    auto keepRange = [&](int first, int last) { // inclusive
        for (int i = first; i <= last && i < count; ++i)
            keep[std::size_t(i)] = 1;
    };
    for (const NeededSection& section : Needed()) {
        const std::string header = '[' + std::string(section.name) + ']';
        const auto found = std::find_if(headerCandidates.begin(), headerCandidates.end(),
                                        [&](int line) { return EqualsIgnoringCase(text(line), header); });
        if (found == headerCandidates.end()) continue;
        const int headerLine = *found;
        const auto end = std::upper_bound(sectionEnds.begin(), sectionEnds.end(), headerLine);
        const int scanEnd = end == sectionEnds.end() ? count - 1 : *end; // inclusive
        keepRange(headerLine, scanEnd);
        for (const Block& block : section.blocks) {
            // The key's line is the first of the section that starts with "key=" (any case); the block
            // runs from the next line to the first one holding the end marker, or to the end of the file.
            const std::string probe = std::string(block.key) + '=';
            int keyLine = -1;
            for (int i = headerLine + 1; i <= scanEnd && keyLine < 0; ++i)
                if (StartsIgnoringCase(text(i), probe)) keyLine = i;
            if (keyLine < 0) continue;
            int last = keyLine + 1;
            while (last < count && text(last).find(block.endMarker) == std::string_view::npos)
                ++last;
            keepRange(keyLine + 1, last);
        }
    }

    QString excerpt;
    for (int i = 0; i < count; ++i) {
        if (!keep[std::size_t(i)]) continue;
        const std::string_view line = text(i);
        excerpt += QLatin1String(line.data(), qsizetype(line.size()));
        excerpt += u'\n';
    }
    return excerpt;
}
