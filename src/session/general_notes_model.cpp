#include "general_notes_model.h"

#include "storage/atomic_file.h"
#include "storage/text_codec.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>

GeneralNotesModel::GeneralNotesModel(ChangeTracker& tracker, Prompter* prompter, const QString& dataFolder)
    : m_tracker(tracker), m_prompter(prompter), m_dataFolder(dataFolder) {
}

QString GeneralNotesModel::FileName(int editor) {
    return QStringLiteral("vlnotes%1.txt").arg(editor + 1);
}

void GeneralNotesModel::Load() {
    for (int editor = 0; editor < kEditors; ++editor) {
        const QString path = QDir(m_dataFolder).filePath(FileName(editor));
        m_unreadable[size_t(editor)] = false;
        if (QFileInfo::exists(path)) {
            const auto bytes = ReadWholeFile(path);
            if (bytes) {
                m_texts[size_t(editor)] = SplitLines(DecodeFileText(*bytes)).join(u'\n');
            } else {
                m_unreadable[size_t(editor)] = true;
                if (m_prompter) m_prompter->ShowError(bytes.error());
            }
        }
        m_saveEnabled[size_t(editor)] = false;
    }
    UpdateArea();
    filesChanged.Emit();
}

void GeneralNotesModel::SetText(int editor, const QString& text) {
    if (m_texts[size_t(editor)] == text) return;
    m_texts[size_t(editor)] = text;
    m_saveEnabled[size_t(editor)] = true;
    UpdateArea();
}

bool GeneralNotesModel::Save(int editor) {
    if (m_unreadable[size_t(editor)]) {
        if (m_prompter)
            m_prompter->ShowError(Fill(Translate("%s could not be read and is left as it is."),
                                       PathForMessage(QDir(m_dataFolder).filePath(FileName(editor)))));
        return false;
    }
    QString content;
    const QString& text = m_texts[size_t(editor)];
    if (!text.isEmpty()) {
        for (const QString& line : text.split(u'\n'))
            content += line + QStringLiteral("\r\n");
    }
    const auto written =
        WriteFileAtomically(QDir(m_dataFolder).filePath(FileName(editor)), EncodeFileText(content));
    if (!written) {
        if (m_prompter) m_prompter->ShowError(written.error()); // names the file
        return false;
    }
    m_saveEnabled[size_t(editor)] = false;
    UpdateArea();
    filesChanged.Emit();
    return true;
}

bool GeneralNotesModel::SaveChanged() {
    bool saved = true;
    for (int editor = 0; editor < kEditors; ++editor)
        if (m_saveEnabled[size_t(editor)]) saved = Save(editor) && saved;
    return saved;
}

void GeneralNotesModel::UpdateArea() {
    // The page's leave question is asked while any button is enabled.
    if (m_saveEnabled[0] || m_saveEnabled[1])
        m_tracker.MarkChanged(Area::GeneralNotes);
    else
        m_tracker.MarkUnchanged(Area::GeneralNotes);
}
