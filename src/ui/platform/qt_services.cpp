#include "qt_services.h"

#include "storage/date_time.h"
#include "storage/file_names.h"
#include "storage/translate.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdio>

namespace {

void ToStderr(const QString& message) {
    const QByteArray bytes = message.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

Answer Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
           QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QApplication::applicationName(), text, buttons, parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> NonEmpty(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    return text;
}

} // namespace

void QtPrompter::ShowError(const QString& message) {
    if (!m_interactive) return ToStderr(message);
    QMessageBox::critical(m_parent, QApplication::applicationName(), message);
}

void QtPrompter::ShowWarning(const QString& message) {
    if (!m_interactive) return ToStderr(message);
    QMessageBox::warning(m_parent, QApplication::applicationName(), message);
}

void QtPrompter::ShowInformation(const QString& message) {
    if (!m_interactive) return ToStderr(message);
    QMessageBox::information(m_parent, QApplication::applicationName(), message);
}

Answer QtPrompter::AskYesNoCancel(const QString& question) {
    if (!m_interactive) return Answer::Cancel;
    return Ask(m_parent, QMessageBox::Question, question,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

Answer QtPrompter::AskOkCancel(const QString& question) {
    if (!m_interactive) return Answer::Cancel;
    return Ask(m_parent, QMessageBox::Question, question, QMessageBox::Ok | QMessageBox::Cancel);
}

Answer QtPrompter::AskYesNo(const QString& question) {
    if (!m_interactive) return Answer::No;
    return Ask(m_parent, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No);
}

Answer QtPrompter::AskErrorYesNo(const QString& question) {
    if (!m_interactive) {
        ToStderr(question);
        return Answer::No;
    }
    return Ask(m_parent, QMessageBox::Critical, question, QMessageBox::Yes | QMessageBox::No);
}

std::optional<QString> QtPrompter::AskText(const QString& caption, const QString& prompt,
                                           const QString& initial) {
    if (!m_interactive) return std::nullopt;
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<QString> QtPrompter::ChooseOpenFile(const QString& caption, const QString& folder,
                                                  const QString& filter) {
    if (!m_interactive) return std::nullopt;
    return NonEmpty(QFileDialog::getOpenFileName(m_parent, caption, folder, filter));
}

std::optional<QString> QtPrompter::ChooseSaveFile(const QString& caption, const QString& suggestedPath,
                                                  const QString& filter) {
    if (!m_interactive) return std::nullopt;
    QString selectedFilter;
    const QString typed =
        QFileDialog::getSaveFileName(m_parent, caption, suggestedPath, filter, &selectedFilter);
    if (typed.isEmpty()) return std::nullopt;
    // A name typed without the filter's extension would be saved where no list or dialog finds it.
    const QString path = WithFilterExtension(typed, selectedFilter.isEmpty() ? filter : selectedFilter);
    // The dialog asked about replacing the name as typed; the completed name is asked about here.
    if (path != typed && QFileInfo::exists(path) &&
        Ask(m_parent, QMessageBox::Question,
            Fill(Translate("%s already exists.\nDo you want to replace it?"), QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No) != Answer::Yes)
        return std::nullopt;
    return path;
}

std::optional<QString> QtPrompter::ChooseFolder(const QString& caption, const QString& folder) {
    if (!m_interactive) return std::nullopt;
    return NonEmpty(QFileDialog::getExistingDirectory(m_parent, caption, folder));
}

std::optional<quint32> QtPrompter::ChooseColour(quint32 initial) {
    if (!m_interactive) return std::nullopt;
    // Colours are held as 0x00BBGGRR.
    const QColor start(int(initial & 0xFF), int((initial >> 8) & 0xFF), int((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, m_parent);
    if (!chosen.isValid()) return std::nullopt;
    return quint32(chosen.red()) | (quint32(chosen.green()) << 8) | (quint32(chosen.blue()) << 16);
}

std::optional<QString> QtPrompter::ChooseFont(const QString& initial) {
    if (!m_interactive) return std::nullopt;
    QFont font;
    if (!initial.isEmpty()) font.fromString(initial);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, m_parent);
    if (!ok) return std::nullopt;
    return chosen.toString();
}

std::uint32_t QtClock::TickMs() {
    return std::uint32_t(m_started.elapsed());
}

double QtClock::NowDayNumber() {
    return DayNumberFromDateTime(QDateTime::currentDateTime());
}

void QtBeeper::Beep() {
    QApplication::beep();
}

bool QtShell::Open(const QString& fileOrAddress) {
    const QUrl url = QFileInfo::exists(fileOrAddress)
                         ? QUrl::fromLocalFile(QFileInfo(fileOrAddress).absoluteFilePath())
                         : QUrl::fromUserInput(fileOrAddress);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
    return QDesktopServices::openUrl(url);
}

QtProgress::QtProgress() : m_window(std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)) {
    m_window->setWindowTitle(Translate("Status"));
    auto* layout = new QVBoxLayout(m_window.get());
    m_label = new QLabel(m_window.get());
    m_label->setMinimumWidth(280);
    layout->addWidget(m_label);
}

QtProgress::~QtProgress() = default;

void QtProgress::Show(const QString& text) {
    m_label->setText(text);
    m_window->show();
    QApplication::processEvents();
}

void QtProgress::Hide() {
    m_window->hide();
}

QtSettingsStore::QtSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kalverin"),
                 QStringLiteral("Vorlapa")) {
}

QtSettingsStore::QtSettingsStore(const QString& iniPath) : m_settings(iniPath, QSettings::IniFormat) {
}

std::optional<QVariant> QtSettingsStore::Value(const QString& key) {
    if (!m_settings.contains(key)) return std::nullopt;
    return m_settings.value(key);
}

void QtSettingsStore::SetValue(const QString& key, const QVariant& value) {
    m_settings.setValue(key, value);
}

void QtSettingsStore::Remove(const QString& key) {
    m_settings.remove(key);
}

QStringList QtSettingsStore::ChildKeys(const QString& group) {
    m_settings.beginGroup(group);
    const QStringList keys = m_settings.childKeys();
    m_settings.endGroup();
    return keys;
}
