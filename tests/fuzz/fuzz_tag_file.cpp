// The indexed tag reader must answer exactly as the rescanning one: values, messages and ReadLines.
#include "storage/text_codec.h"
#include "storage/txt_parser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

namespace {

QString Text(const std::string& bytes) {
    return DecodeFileText(QByteArray(bytes.data(), qsizetype(bytes.size())));
}

// Section names and keys taken from the file itself, so lookups hit as often as they miss.
QString Token(const QStringList& lines, size_t pick, bool section) {
    if (lines.isEmpty()) return QString();
    QString line = lines.at(qsizetype(pick % size_t(lines.size())));
    if (section) {
        line.remove(0, line.indexOf(u'[') + 1);
        return line.left(line.indexOf(u']'));
    }
    const qsizetype equals = line.indexOf(u'=');
    line = equals < 0 ? line : line.left(equals);
    return pick % 3 == 0 ? line.toUpper() : line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    struct Query {
        QString section, key, marker;
        int blocks;
    };
    std::vector<Query> queries(provider.ConsumeIntegralInRange<size_t>(1, 8));
    std::vector<std::tuple<std::string, std::string, std::string, size_t, size_t, int>> raw;
    for (size_t i = 0; i < queries.size(); ++i)
        raw.emplace_back(provider.ConsumeRandomLengthString(12), provider.ConsumeRandomLengthString(12),
                         provider.ConsumeRandomLengthString(6), provider.ConsumeIntegral<size_t>(),
                         provider.ConsumeIntegral<size_t>(), provider.ConsumeIntegralInRange<int>(0, 2));
    const QString fileText = Text(provider.ConsumeRemainingBytesAsString());
    const QStringList lines = SplitLines(fileText);
    for (size_t i = 0; i < queries.size(); ++i) {
        const auto& [section, key, marker, sectionPick, keyPick, blocks] = raw[i];
        queries[i].section = sectionPick % 2 ? Token(lines, sectionPick / 2, true) : Text(section);
        queries[i].key = keyPick % 2 ? Token(lines, keyPick / 2, false) : Text(key);
        queries[i].marker = Text(marker);
        queries[i].blocks = blocks;
    }

    QStringList messages;
    TTxtParser parser([&](const QString& m) { messages << m; });
    parser.OpenReadText(fileText);
    for (const Query& query : queries) {
        qsizetype position = 0;
        bool missing = false;
        const QString expected = ReadValueByRescanning(lines, query.section, query.key, &position, &missing);
        messages.clear();
        if (parser.ReadValue(query.section, query.key) != expected) std::abort();
        if (messages.size() != (missing ? 1 : 0)) std::abort();
        for (int block = 0; block < query.blocks; ++block) {
            QStringList expectedLines;
            while (position < lines.size()) {
                const QString& line = lines.at(position++);
                if (!query.marker.isEmpty() && line.contains(query.marker)) break;
                expectedLines << line;
            }
            QStringList read;
            parser.ReadLines(read, query.marker);
            if (read != expectedLines) std::abort();
        }
    }
    return 0;
}
