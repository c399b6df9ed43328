#pragma once
// "Serial Download": the port list, the error line, the received lines and the instructions. Reception
// runs on this window's thread through the port's readyRead (SerialDownload).
#include "lapentry/serial_download.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;

class TSerialDownloadDlg : public QDialog {
    Q_OBJECT
  public:
    // The ports listed; lastPort is chosen and opened when it is among them.
    TSerialDownloadDlg(const QStringList& ports, const QString& lastPort, QWidget* parent = nullptr);

    const SerialDownload& Download() const { return m_download; }
    QComboBox* PortBox() const { return m_ports; }
    QLabel* ErrorLabel() const { return m_error; }
    QPlainTextEdit* DataMemo() const { return m_data; }

  private:
    void ChoosePort(const QString& port);

    SerialDownload m_download;
    QComboBox* m_ports = nullptr;
    QLabel* m_error = nullptr;
    QPlainTextEdit* m_data = nullptr;
    Connections m_connections;
};
