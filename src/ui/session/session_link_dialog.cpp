#include "session_link_dialog.h"

#include "services/services.h"
#include "storage/translate.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SessionLinkDialogBox::SessionLinkDialogBox(const SessionLinkDialog& texts, Prompter& prompter,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(texts.title);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(texts.text, this);
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addWidget(new QLabel(Translate("Associated file"), this));
    auto* row = new QHBoxLayout;
    m_file = new QLineEdit(texts.current, this);
    m_file->setObjectName(QStringLiteral("associatedFile"));
    auto* choose = new QPushButton(QStringLiteral("..."), this);
    choose->setFixedWidth(32);
    row->addWidget(m_file, 1);
    row->addWidget(choose);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const QString folder = texts.folder, filter = texts.filter;
    connect(choose, &QPushButton::clicked, this, [this, &prompter, folder, filter] {
        const QString start = m_file->text().isEmpty() ? folder : m_file->text();
        if (const auto chosen = prompter.ChooseOpenFile(Translate("Select file"), start, filter))
            m_file->setText(*chosen);
    });
    resize(520, sizeHint().height());
}

QString SessionLinkDialogBox::FileName() const {
    return m_file->text().trimmed();
}
