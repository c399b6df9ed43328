#include "serial_download_dialog.h"

#include "storage/translate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TSerialDownloadDlg::TSerialDownloadDlg(const QStringList& ports, const QString& lastPort, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SerialDownloadDlg"));
    setWindowTitle(Translate("Serial Download"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    m_ports = new QComboBox(this);
    m_ports->setObjectName(QStringLiteral("SerialPortComboBox"));
    m_ports->addItems(ports);
    m_ports->setCurrentIndex(-1);
    top->addRow(Translate("Serial port"), m_ports);
    layout->addLayout(top);
    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("ErrorLabel"));
    m_error->setStyleSheet(QStringLiteral("color: red"));
    layout->addWidget(m_error);

    auto* panes = new QHBoxLayout;
    m_data = new QPlainTextEdit(this);
    m_data->setObjectName(QStringLiteral("DataMemo"));
    m_data->setReadOnly(true);
    m_data->setMaximumBlockCount(SerialLineAssembler::kMaxLines);
    panes->addWidget(m_data, 1);
    auto* info =
        new QLabel(Translate("Ready to receive data!\nInitiate download sequence from the laptimer and the "
                             "data will be visible in the left pane."),
                   this);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    panes->addWidget(info, 1);
    layout->addLayout(panes, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_connections += m_download.linesReceived.Connect([this](const QStringList& lines) {
        for (const QString& line : lines)
            m_data->appendPlainText(line);
    });
    connect(m_ports, &QComboBox::textActivated, this, [this](const QString& port) { ChoosePort(port); });
    if (const int last = m_ports->findText(lastPort); last >= 0 && !lastPort.isEmpty()) {
        m_ports->setCurrentIndex(last);
        ChoosePort(lastPort);
    }
    resize(560, 360);
}

void TSerialDownloadDlg::ChoosePort(const QString& port) {
    m_error->clear();
    if (!m_download.Open(port)) m_error->setText(m_download.ErrorText());
}
