#include "summary_excerpt.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Lines end at CR LF, LF or a lone CR, as the tag-file reader splits them. Positions are byte offsets;
// a line is [start, end) without its line break.
struct Text {
    const char* data;
    qsizetype size;

    static bool IsBreak(char c) { return c == '\r' || c == '\n'; }
    qsizetype LineStart(qsizetype pos) const {
        while (pos > 0 && !IsBreak(data[pos - 1]))
            --pos;
        return pos;
    }
    // The end of the line holding pos; at the end of the text, the end of the last line (before a final
    // line break, which ends that line rather than starting another).
    qsizetype LineEnd(qsizetype pos) const {
        if (pos >= size) {
            qsizetype end = size;
            if (end > 0 && data[end - 1] == '\n') {
                --end;
                if (end > 0 && data[end - 1] == '\r') --end;
            } else if (end > 0 && data[end - 1] == '\r') {
                --end;
            }
            return end;
        }
        while (pos < size && !IsBreak(data[pos]))
            ++pos;
        return pos;
    }
    qsizetype NextLine(qsizetype end) const {
        if (end >= size) return size;
        return (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? end + 2 : end + 1;
    }
    std::string_view View(qsizetype start, qsizetype end) const {
        return std::string_view(data + start, std::size_t(end - start));
    }
    // First position at or after from holding c, or size.
    qsizetype Find(char c, qsizetype from) const {
        if (from >= size) return size;
        const void* found = std::memchr(data + from, c, std::size_t(size - from));
        return found ? static_cast<const char*>(found) - data : size;
    }
    qsizetype Find(std::string_view needle, qsizetype from) const {
        if (from >= size) return size;
        const std::string_view rest = View(from, size);
        const std::size_t found = rest.find(needle);
        return found == std::string_view::npos ? size : from + qsizetype(found);
    }
};

bool IsAscii(const char* data, qsizetype size) {
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080ull) return false;
    }
    for (; i < size; ++i)
        if (static_cast<unsigned char>(data[i]) >= 0x80) return false;
    return true;
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
    std::vector<const char*> keys;
    std::vector<Block> blocks; // keys whose value starts a block of lines
};

// Every section and key the summary row reads (ReadSummaryRow), with the blocks it reads after a key.
const std::vector<NeededSection>& Needed() {
    static const std::vector<NeededSection> sections = {
        {"information", {"vehicle"}, {}},
        {"conditions",
         {"name_of_event", "track", "track_condition", "session_type", "class", "session_info", "position",
          "rank_setup", "temperature", "barometric_pressure", "humidity"},
         {}},
        {"session_notes", {"top_speed"}, {{"notes", "notes_end"}, {"notes_vehicle", "notes_end"}}},
        {"lap_times", {"splits_per_lap", "driver1_name", "driver1_start_time", "driver1_split_times"}, {}},
        {"general", {"frame"}, {}},
        {"engine", {"engine"}, {}},
        {"gearing",
         {"countershaft", "rear_sprocket", "uses_shaftdrive", "shaftdrive_input", "shaftdrive_output"},
         {}},
    };
    return sections;
}

// The first line that is exactly "[name]" (any case); -1 when none.
qsizetype FindHeader(const Text& text, std::string_view header) {
    for (qsizetype pos = text.Find('[', 0); pos < text.size;) {
        const qsizetype start = text.LineStart(pos);
        const qsizetype end = text.LineEnd(pos);
        if (EqualsIgnoringCase(text.View(start, end), header)) return start;
        pos = text.Find('[', end);
    }
    return -1;
}

} // namespace

std::optional<QString> SummaryExcerpt(const QByteArray& bytes) {
    const Text text{bytes.constData(), bytes.size()};
    if (!IsAscii(text.data, text.size)) return std::nullopt;

    std::vector<std::pair<qsizetype, qsizetype>> ranges; // whole lines, [start, end)
    for (const NeededSection& section : Needed()) {
        const std::string header = '[' + std::string(section.name) + ']';
        const qsizetype headerStart = FindHeader(text, header);
        if (headerStart < 0) continue;
        // Keys are looked up up to and including the next line holding "[" or "]".
        const qsizetype body = text.NextLine(text.LineEnd(headerStart));
        const qsizetype bracket = std::min(text.Find('[', body), text.Find(']', body));
        const qsizetype sectionEnd = std::max(text.LineEnd(bracket), text.LineEnd(headerStart));
        ranges.emplace_back(headerStart, text.LineEnd(headerStart));
        if (bracket < text.size) ranges.emplace_back(text.LineStart(bracket), sectionEnd);

        // Of the lines between, a key's first line is all a lookup ever reads ("key=" in any case). A
        // block runs from the line after its key to the first line holding the end marker, or to the end.
        std::vector<char> found(section.keys.size() + section.blocks.size(), 0);
        for (qsizetype line = body; line < text.size;) {
            const qsizetype end = text.LineEnd(line);
            const std::string_view view = text.View(line, end);
            for (std::size_t k = 0; k < section.keys.size(); ++k) {
                if (found[k] || !StartsIgnoringCase(view, section.keys[k]) ||
                    view.size() <= std::strlen(section.keys[k]) || view[std::strlen(section.keys[k])] != '=')
                    continue;
                found[k] = 1;
                ranges.emplace_back(line, end);
            }
            for (std::size_t b = 0; b < section.blocks.size(); ++b) {
                const Block& block = section.blocks[b];
                const std::size_t length = std::strlen(block.key);
                char& seen = found[section.keys.size() + b];
                if (seen || !StartsIgnoringCase(view, block.key) || view.size() <= length ||
                    view[length] != '=')
                    continue;
                seen = 1;
                ranges.emplace_back(line, end);
                const qsizetype first = text.NextLine(end);
                if (first < text.size)
                    ranges.emplace_back(first, text.LineEnd(text.Find(block.endMarker, first)));
            }
            if (end >= sectionEnd) break;
            line = text.NextLine(end);
        }
    }

    std::sort(ranges.begin(), ranges.end());
    QString excerpt;
    qsizetype start = -1, end = -1;
    auto flush = [&] {
        if (start < 0) return;
        excerpt += QLatin1String(text.data + start, end - start);
        // CR LF: a plain LF would join a lone CR that ends the range's last (empty) line.
        excerpt += QLatin1String("\r\n");
    };
    for (const auto& [first, last] : ranges) {
        if (start >= 0 && first <= end) {
            end = std::max(end, last);
            continue;
        }
        flush();
        start = first;
        end = last;
    }
    flush();
    return excerpt;
}
