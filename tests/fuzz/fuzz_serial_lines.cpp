// The serial line assembler on any bytes: the caps hold, and the lines do not depend on how the bytes
// were split into chunks (the first byte gives the chunk size).
#include "lapentry/serial_lines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype chunk = qsizetype(data[0] % 17) + 1;
    SerialLineAssembler whole, pieces;
    whole.Feed(bytes);
    QStringList collected;
    for (qsizetype at = 0; at < bytes.size(); at += chunk)
        collected += pieces.Feed(bytes.mid(at, chunk));
    if (whole.Lines() != pieces.Lines() || collected != pieces.Lines()) std::abort();
    if (whole.CurrentLine() != pieces.CurrentLine()) std::abort();
    if (whole.Lines().size() > SerialLineAssembler::kMaxLines) std::abort();
    if (whole.CurrentLine().size() > SerialLineAssembler::kMaxLineLength) std::abort();
    for (const QString& line : whole.Lines())
        if (line.size() > SerialLineAssembler::kMaxLineLength) std::abort();
    return 0;
}
