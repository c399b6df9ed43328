#pragma once
// "Serial Download": the port list, the open port and the lines received on it. The port is a
// QSerialPort living on the thread that made this object (the window's): its readyRead arrives through
// that thread's event loop, so no second thread ever touches the lines. Nothing is sent to the device.
#include "events/event.h"
#include "serial_lines.h"

#include <QString>
#include <QStringList>
#include <memory>

class QSerialPort;

class SerialDownload {
  public:
    // The environment variable naming one more device path for the list (a pseudo-terminal in tests).
    static constexpr char kExtraPortVariable[] = "VORLAPA_SERIAL_PORT";

    SerialDownload();
    ~SerialDownload();
    SerialDownload(const SerialDownload&) = delete;
    SerialDownload& operator=(const SerialDownload&) = delete;

    // Lines were received (the window redraws).
    Event<const QStringList&> linesReceived;

    // The system's serial ports by enumeration (ports in use are listed too), then the extra device path.
    static QStringList AvailablePorts();
    // Closes the open port and opens `port` at 9600 baud, 8N1, DTR and RTS on, no flow control. False
    // with the error line "Could not open <port>!" when it fails.
    bool Open(const QString& port);
    void Close();
    bool IsOpen() const;
    const QString& ErrorText() const { return m_error; }
    const QString& PortName() const { return m_portName; }
    const SerialLineAssembler& Assembler() const { return m_assembler; }
    // The received text as the window shows it (capped with the lines).
    QString ReceivedText() const { return m_assembler.Lines().join(u'\n'); }

  private:
    void ReadAll();

    std::unique_ptr<QSerialPort> m_port;
    SerialLineAssembler m_assembler;
    QString m_error;
    QString m_portName;
};
