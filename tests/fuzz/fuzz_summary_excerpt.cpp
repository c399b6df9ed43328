// The archive reads only an excerpt of each session file: its summary row must equal the row read from
// the whole file, whatever the bytes. The input is built as lines of session-file pieces (headers, keys,
// block markers, stray brackets, keys on lines that end a section) and free text, with every kind of line
// break.
#include "archive/session_summary.h"
#include "archive/summary_excerpt.h"
#include "storage/text_codec.h"
#include "storage/txt_parser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const kPieces[] = {"[information]",
                               "[conditions]",
                               "[session_notes]",
                               "[lap_times]",
                               "[general]",
                               "[engine]",
                               "[gearing]",
                               "[setup]",
                               "[",
                               "]",
                               "vehicle=car;",
                               "vehicle=mc;",
                               "track=Hill;",
                               "class=A;",
                               "temperature=15;",
                               "humidity=40;",
                               "barometric_pressure=1000;",
                               "notes=notes_begin;",
                               "notes_vehicle=notes_begin;",
                               "notes_end",
                               "notes=",
                               "top_speed=200;",
                               "splits_per_lap=1;",
                               "driver1_name=Anna;",
                               "driver1_start_time=39000.5;",
                               "driver1_split_times=30000,31000,29000;",
                               "frame=F;",
                               "engine=E;",
                               "countershaft=14;",
                               "rear_sprocket=40;",
                               "uses_shaftdrive=true;",
                               "shaftdrive_input=11;",
                               "shaftdrive_output=33;",
                               "session_info=x",
                               "position=3;rank_setup=4;",
                               "track=Lake;[",
                               "class=B;]",
                               "notes=notes_begin;]",
                               "x[notes_end"};
const char* const kBreaks[] = {"\r\n", "\n", "\r", ""};

QStringList RowOf(const QString& text) {
    TTxtParser parser;
    parser.OpenReadText(text);
    const SummaryOptions options;
    QStringList row = ReadSummaryRow(parser, QStringLiteral("x.ses"), 40000, options);
    row << (IsOtherVehicle(parser, options) ? QStringLiteral("other") : QStringLiteral("listed"));
    return row;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    std::string file;
    while (provider.remaining_bytes() > 0) {
        const size_t pick = provider.ConsumeIntegralInRange<size_t>(0, std::size(kPieces) + 2);
        std::string line = pick < std::size(kPieces) ? kPieces[pick] : provider.ConsumeRandomLengthString(16);
        if (pick < std::size(kPieces) && provider.ConsumeBool())
            for (char& c : line)
                c = char(std::toupper(static_cast<unsigned char>(c)));
        file += line;
        file += kBreaks[provider.ConsumeIntegralInRange<size_t>(0, 3)];
    }
    const QByteArray bytes(file.data(), qsizetype(file.size()));
    const auto excerpt = SummaryExcerpt(bytes);
    if (!excerpt) return 0;
    const QStringList fromExcerpt = RowOf(*excerpt);
    const QStringList fromWhole = RowOf(DecodeFileText(bytes));
    if (fromExcerpt != fromWhole) {
        for (qsizetype i = 0; i < fromWhole.size(); ++i)
            if (fromExcerpt.value(i) != fromWhole.value(i))
                std::fprintf(stderr, "cell %d: excerpt \"%s\", whole \"%s\"\n", int(i),
                             qPrintable(fromExcerpt.value(i)), qPrintable(fromWhole.value(i)));
        std::abort();
    }
    return 0;
}
