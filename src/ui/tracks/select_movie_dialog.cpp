#include "select_movie_dialog.h"

#include "services/services.h"
#include "storage/translate.h"
#include "tracks/track_media_files.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSelectMovieDialog::TSelectMovieDialog(const QString& path, const QString& folder, Prompter* prompter,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SelectMovieDialog"));
    setWindowTitle(Translate("Select Movie"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Translate("Selected file"), this));
    auto* row = new QHBoxLayout;
    m_file = new QLineEdit(path, this);
    m_file->setObjectName(QStringLiteral("selectedFile"));
    m_file->setMinimumWidth(380);
    row->addWidget(m_file, 1);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("browseMovie"));
    row->addWidget(browse);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, [this, folder, prompter] {
        if (!prompter) return;
        const QString current = m_file->text().trimmed();
        const QString start = QFileInfo(current).isFile() ? QFileInfo(current).absolutePath() : folder;
        if (const auto chosen =
                prompter->ChooseOpenFile(Translate("Select Movie"), start, TrackMovieFilter()))
            m_file->setText(*chosen);
    });
}

QString TSelectMovieDialog::SelectedFile() const {
    return m_file->text();
}
