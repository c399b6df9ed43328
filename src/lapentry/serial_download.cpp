#include "serial_download.h"

#include "storage/translate.h"

#include <QSerialPort>
#include <QSerialPortInfo>

SerialDownload::SerialDownload() = default;

SerialDownload::~SerialDownload() {
    Close();
}

QStringList SerialDownload::AvailablePorts() {
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append(info.portName());
    const QString extra = qEnvironmentVariable(kExtraPortVariable);
    if (!extra.isEmpty() && !ports.contains(extra)) ports.append(extra);
    return ports;
}

bool SerialDownload::Open(const QString& port) {
    m_error.clear();
    Close();
    m_portName = port;
    if (port.trimmed().isEmpty()) return false;
    m_port = std::make_unique<QSerialPort>();
    m_port->setPortName(port);
    m_port->setReadBufferSize(8192);
    const bool opened = m_port->open(QIODevice::ReadWrite) && m_port->setBaudRate(QSerialPort::Baud9600) &&
                        m_port->setDataBits(QSerialPort::Data8) && m_port->setParity(QSerialPort::NoParity) &&
                        m_port->setStopBits(QSerialPort::OneStop) &&
                        m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (opened) {
        // Some pseudo-terminals refuse the modem lines; the lap timer only needs them where they exist.
        (void)m_port->setDataTerminalReady(true);
        (void)m_port->setRequestToSend(true);
    }
    if (!opened) {
        m_port.reset();
        m_error = Translate("Could not open ") + port + u'!';
        return false;
    }
    QObject::connect(m_port.get(), &QSerialPort::readyRead, m_port.get(), [this] { ReadAll(); });
    return true;
}

void SerialDownload::Close() {
    if (!m_port) return;
    m_port->close();
    m_port.reset();
}

bool SerialDownload::IsOpen() const {
    return m_port && m_port->isOpen();
}

void SerialDownload::ReadAll() {
    if (!m_port) return;
    const QStringList lines = m_assembler.Feed(m_port->readAll());
    if (!lines.isEmpty()) linesReceived.Emit(lines);
}
