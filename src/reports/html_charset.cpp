#include "html_charset.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 where the byte is unassigned.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte for the code point, or -1.
int ByteOf(HtmlCharset charset, char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return int(codePoint);
    if (charset == HtmlCharset::Windows1252 && codePoint > 0xFF) {
        for (std::size_t i = 0; i < kWindows1252High.size(); ++i)
            if (kWindows1252High[i] != 0 && kWindows1252High[i] == codePoint) return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString CharsetName(HtmlCharset charset) {
    return charset == HtmlCharset::Windows1252 ? QStringLiteral("windows-1252")
                                               : QStringLiteral("iso-8859-1");
}

bool CharsetHolds(HtmlCharset charset, char32_t codePoint) {
    return ByteOf(charset, codePoint) >= 0;
}

QString NumericReference(char32_t codePoint) {
    return QStringLiteral("&#") + QString::number(quint32(codePoint)) + QLatin1Char(';');
}

QByteArray EncodeHtml(const QString& text, HtmlCharset charset) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text.at(i).unicode();
        if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        } else if (QChar::isSurrogate(codePoint)) {
            codePoint = 0xFFFD;
        }
        const int byte = ByteOf(charset, codePoint);
        if (byte >= 0)
            bytes.append(char(byte));
        else
            bytes.append(NumericReference(codePoint).toLatin1());
    }
    return bytes;
}
