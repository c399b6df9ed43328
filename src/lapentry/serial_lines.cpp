#include "serial_lines.h"

QStringList SerialLineAssembler::Feed(const QByteArray& bytes) {
    QStringList completed;
    for (const char byte : bytes) {
        if (byte == '\n') continue;
        if (byte == '\r') {
            if (m_lines.size() < kMaxLines) {
                m_lines.append(m_current);
                completed.append(m_current);
            } else {
                ++m_dropped;
            }
            m_current.clear();
            continue;
        }
        if (m_current.size() < kMaxLineLength)
            m_current.append(QChar(uchar(byte)));
        else
            ++m_dropped;
    }
    return completed;
}

void SerialLineAssembler::Clear() {
    m_lines.clear();
    m_current.clear();
    m_dropped = 0;
}
