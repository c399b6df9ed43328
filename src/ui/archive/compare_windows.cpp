#include "compare_windows.h"

#include "storage/translate.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* OkCancel(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

QCheckBox* Check(QWidget* parent, const char* caption, const char* name, bool checked) {
    auto* box = new QCheckBox(Translate(caption), parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

} // namespace

std::optional<CompareOptions> AskCompareOptions(QWidget* parent, const CompareOptions& initial) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("CompareSessionsDialog"));
    dialog.setWindowTitle(Translate("Compare Sessions"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* group = new QGroupBox(Translate("Options"), &dialog);
    auto* groupLayout = new QVBoxLayout(group);
    QCheckBox* setup =
        Check(group, N_("Include setup information"), "IncludeSetupInfoCheckBox", initial.includeSetup);
    QCheckBox* identical = Check(group, N_("Don't show identical values"), "RemoveIdenticalValuesCheckBox",
                                 initial.hideIdentical);
    QCheckBox* session =
        Check(group, N_("Include session information"), "IncludeSessionInfoCheckBox", initial.includeSession);
    session->setToolTip(Translate("Include session notes and session conditions"));
    groupLayout->addWidget(setup);
    groupLayout->addWidget(identical);
    groupLayout->addWidget(session);
    layout->addWidget(group);
    layout->addWidget(OkCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    CompareOptions options = initial;
    options.includeSetup = setup->isChecked();
    options.hideIdentical = identical->isChecked();
    options.includeSession = session->isChecked();
    return options;
}

std::optional<StatisticsChoice> AskStatisticsOptions(QWidget* parent, const QString& title) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ExportStatisticsDialog"));
    dialog.setWindowTitle(Translate("Export statistics"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(Translate("Please enter a title"), &dialog));
    auto* edit = new QLineEdit(title, &dialog);
    edit->setObjectName(QStringLiteral("TitleEdit"));
    layout->addWidget(edit);
    QCheckBox* laps = Check(&dialog, N_("Include lap times"), "IncludeLapTimesCheckBox", false);
    layout->addWidget(laps);
    layout->addWidget(OkCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return StatisticsChoice{edit->text(), laps->isChecked()};
}

std::optional<ExportOptionsChoice> AskExportOptions(QWidget* parent, const ExportOptionsChoice& initial) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ExportOptionsDialog"));
    dialog.setWindowTitle(Translate("Export options"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* group = new QGroupBox(Translate("HTML Options"), &dialog);
    auto* groupLayout = new QVBoxLayout(group);
    QCheckBox* names = Check(group, N_("Export names of part setups"), "ExportPartSetupNamesCheckBox",
                             initial.partSetupNames);
    QCheckBox* pageBreak =
        Check(group, N_("Insert page-break before lap times"), "PageBreakCheckBox", initial.pageBreak);
    auto* lapsRow = new QHBoxLayout;
    lapsRow->addWidget(new QLabel(Translate("List lap times in a table if less than"), group));
    auto* maxLaps = new QLineEdit(initial.maxLaps, group);
    maxLaps->setObjectName(QStringLiteral("MaxLapsEdit"));
    maxLaps->setMaximumWidth(50);
    lapsRow->addWidget(maxLaps);
    lapsRow->addWidget(new QLabel(Translate("laps"), group));
    lapsRow->addStretch(1);
    QCheckBox* group_ =
        Check(group, N_("Group by name of event"), "GroupByEventCheckBox", initial.groupByEvent);
    auto* titleRow = new QFormLayout;
    auto* title = new QLineEdit(initial.title, group);
    title->setObjectName(QStringLiteral("TitleEdit"));
    titleRow->addRow(Translate("Title"), title);
    groupLayout->addWidget(names);
    groupLayout->addWidget(pageBreak);
    groupLayout->addLayout(lapsRow);
    groupLayout->addWidget(group_);
    groupLayout->addLayout(titleRow);
    layout->addWidget(group);
    layout->addWidget(OkCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ExportOptionsChoice{names->isChecked(), pageBreak->isChecked(), maxLaps->text(),
                               group_->isChecked(), title->text()};
}

StatusWindow::StatusWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("StatusWindow"));
    setWindowTitle(Translate("Status"));
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    resize(320, 80);
    if (m_mainWindow) m_mainWindow->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    show();
}

StatusWindow::~StatusWindow() {
    QApplication::restoreOverrideCursor();
    if (m_mainWindow) m_mainWindow->setEnabled(true);
}

void StatusWindow::Step(const QString& text, int percent) {
    m_label->setText(text);
    m_bar->setValue(std::clamp(percent, 0, 100));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
