// Comma text: splitting a joined record gives the fields back, and any line splits into fields that
// join and split to themselves.
#include "storage/comma_text.h"
#include "storage/text_codec.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    QStringList fields;
    const size_t count = provider.ConsumeIntegralInRange<size_t>(0, 8);
    for (size_t i = 0; i < count; ++i) {
        const std::string bytes = provider.ConsumeRandomLengthString(16);
        fields << QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    }
    if (CommaTextSplit(CommaTextJoin(fields)) != fields) std::abort();

    const std::string rest = provider.ConsumeRemainingBytesAsString();
    const QString line = DecodeFileText(QByteArray(rest.data(), qsizetype(rest.size())));
    const QStringList split = CommaTextSplit(line);
    if (CommaTextSplit(CommaTextJoin(split)) != split) std::abort();
    return 0;
}
