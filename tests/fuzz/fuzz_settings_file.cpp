// The settings reader on any bytes: never a crash, bounded numbers within their bounds. What it reads,
// written and read again, writes the same file: the program keeps the settings it was given. The check
// is left out where the tag format itself cannot carry the record (a list that swallowed the rest of a
// damaged file, say): when a written line other than a section header holds a bracket, which ends the
// section, or a list line holds "=", which makes it answer for the key before the "=".
#include "app/settings_file.h"
#include "storage/text_codec.h"
#include "storage/txt_parser.h"

#include <algorithm>
#include <cstdlib>

namespace {

ProgramSettings Read(const QString& text) {
    TTxtParser parser;
    parser.OpenReadText(text);
    return ReadSettings(parser, 45000);
}

// The written file without its first line, which holds the time of writing.
QStringList Written(const ProgramSettings& settings) {
    TTxtParser parser;
    parser.OpenWrite(QStringLiteral("/nonexistent/vorlapa.ini")); // collected in memory, never committed
    WriteSettings(parser, settings, QStringLiteral("/nonexistent"));
    return SplitLines(parser.WrittenText()).mid(1);
}

qsizetype BracketLines(const QStringList& lines) {
    return std::count_if(lines.begin(), lines.end(),
                         [](const QString& line) { return line.contains(u'[') || line.contains(u']'); });
}

bool ListLineHoldsEquals(const ProgramSettings& s) {
    for (const QStringList* list : {&s.billingAddress, &s.deliveryAddress, &s.orderFreeText, &s.drivers,
                                    &s.recentSessions, &s.backupFilenames})
        for (const QString& line : *list)
            if (line.contains(u'=')) return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ProgramSettings settings =
        Read(DecodeFileText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    if (settings.jettingMethod < 0 || settings.jettingMethod > 1) std::abort();
    if (settings.jettingJetTypeIndex < 0 || settings.jettingJetTypeIndex > 1) std::abort();
    (void)SettingsShowLines(settings);

    const QStringList written = Written(settings);
    static const qsizetype sections = BracketLines(Written(ProgramSettings()));
    if (BracketLines(written) != sections || ListLineHoldsEquals(settings)) return 0;
    if (Written(Read(written.join(QStringLiteral("\r\n")))) != written) std::abort();
    return 0;
}
