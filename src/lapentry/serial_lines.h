#pragma once
// Turns the bytes a lap timer sends into text lines: a carriage return ends a line, a line feed is
// ignored, every other byte is one character (Latin-1). A last line without its carriage return is not
// taken. A wrong device or speed may send bytes without end, so a line keeps at most kMaxLineLength
// characters and at most kMaxLines lines are kept; what is beyond is dropped and counted.
#include <QByteArray>
#include <QString>
#include <QStringList>

class SerialLineAssembler {
  public:
    static constexpr int kMaxLineLength = 256;
    static constexpr int kMaxLines = 20000;

    // Processes received bytes in order; returns the lines completed by them.
    QStringList Feed(const QByteArray& bytes);
    const QStringList& Lines() const { return m_lines; }
    const QString& CurrentLine() const { return m_current; }
    // Characters and lines dropped by the caps.
    qint64 Dropped() const { return m_dropped; }
    void Clear();

  private:
    QStringList m_lines;
    QString m_current;
    qint64 m_dropped = 0;
};
