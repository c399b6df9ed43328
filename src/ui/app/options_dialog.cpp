#include "options_dialog.h"

#include "storage/translate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// A group of radio buttons showing one item index of the model.
QGroupBox* ItemGroup(const char* title, const QString& name, const QStringList& items, int* item,
                     QWidget* parent) {
    auto* group = new QGroupBox(Translate(title), parent);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(Translate(items.at(i)), group);
        button->setChecked(i == *item);
        buttons->addButton(button, i);
        layout->addWidget(button);
    }
    QObject::connect(buttons, &QButtonGroup::idClicked, group, [item](int id) { *item = id; });
    return group;
}

QCheckBox* FlagBox(const char* caption, const QString& name, bool* flag, QWidget* parent) {
    auto* box = new QCheckBox(Translate(caption), parent);
    box->setObjectName(name);
    box->setChecked(*flag);
    QObject::connect(box, &QCheckBox::toggled, box, [flag](bool on) { *flag = on; });
    return box;
}

QColor ColourOf(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
} // namespace

TOptionsDialog::TOptionsDialog(OptionsModel& model, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompter(prompter) {
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(Translate("Options"));
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("optionPages"));
    m_pages->addTab(BuildUnitsPage(), Translate("Units"));
    m_pages->addTab(BuildSessionPage(), Translate("Session"));
    m_pages->addTab(BuildHtmlPage(), Translate("HTML"));
    layout->addWidget(m_pages);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Translate("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(Translate("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* TOptionsDialog::BuildUnitsPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    OptionsValues& v = m_model.Values();
    grid->addWidget(ItemGroup(N_("Actual pressure"), QStringLiteral("pressure"), PressureUnitItems(),
                              &v.pressureItem, page),
                    0, 0);
    grid->addWidget(ItemGroup("Temperature", QStringLiteral("temperature"), TemperatureUnitItems(),
                              &v.temperatureItem, page),
                    0, 1);
    grid->addWidget(
        ItemGroup("Units", QStringLiteral("unitSystem"), UnitSystemItems(), &v.unitSystemItem, page), 1, 0);
    grid->addWidget(
        ItemGroup(N_("RAD or AD"), QStringLiteral("airDensity"), AirDensityItems(), &v.airDensityItem, page),
        1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* TOptionsDialog::BuildSessionPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    OptionsValues& v = m_model.Values();

    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(new QLabel(Translate("Use the"), page));
    auto* percent = new QLineEdit(v.percentText, page);
    percent->setObjectName(QStringLiteral("percent"));
    percent->setMaximumWidth(50);
    connect(percent, &QLineEdit::textEdited, this, [&v](const QString& text) { v.percentText = text; });
    percentRow->addWidget(percent);
    percentRow->addWidget(new QLabel(Translate("%  best laps to calculate average lap time"), page));
    percentRow->addStretch();
    layout->addLayout(percentRow);

    auto* driverGroup = new QGroupBox(Translate("Driver names"), page);
    auto* driverRow = new QHBoxLayout(driverGroup);
    m_drivers = new QComboBox(driverGroup);
    m_drivers->setObjectName(QStringLiteral("drivers"));
    m_drivers->setEditable(true);
    m_drivers->setInsertPolicy(QComboBox::NoInsert);
    m_drivers->setMinimumWidth(180);
    connect(m_drivers, &QComboBox::currentTextChanged, this,
            [&v](const QString& text) { v.shownDriver = text; });
    driverRow->addWidget(m_drivers, 1);
    auto* add = new QPushButton(Translate("Add"), driverGroup);
    add->setObjectName(QStringLiteral("addDriver"));
    connect(add, &QPushButton::clicked, this, [this] {
        if (m_model.AddDriver()) ShowDrivers();
    });
    driverRow->addWidget(add);
    auto* remove = new QPushButton(Translate("Delete"), driverGroup);
    remove->setObjectName(QStringLiteral("deleteDriver"));
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_model.DeleteDriver()) ShowDrivers();
    });
    driverRow->addWidget(remove);
    layout->addWidget(driverGroup);
    ShowDrivers();

    layout->addWidget(FlagBox(N_("Load last session at startup"), QStringLiteral("loadLastSession"),
                              &v.loadLastSessionAtStartup, page));
    layout->addWidget(FlagBox(N_("Start and Stop session buttons trigger stopwatch"),
                              QStringLiteral("stopwatch"), &v.stopwatchFromSessionButtons, page));
    layout->addWidget(FlagBox(N_("Save sessions in one folder for each track when using smart save"),
                              QStringLiteral("trackFolder"), &v.trackFolderForSmartSave, page));
    layout->addStretch();
    return page;
}

QWidget* TOptionsDialog::BuildHtmlPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    OptionsValues& v = m_model.Values();

    auto* colourGroup = new QGroupBox(Translate("Colors"), page);
    auto* colourGrid = new QGridLayout(colourGroup);
    static const char* const captions[kHtmlColourCount] = {N_("Background"), N_("Table header"),
                                                           N_("Table content"), N_("Text")};
    for (int i = 0; i < kHtmlColourCount; ++i) {
        colourGrid->addWidget(new QLabel(Translate(captions[i]), colourGroup), i, 0);
        m_swatches[i] = new QLabel(colourGroup);
        m_swatches[i]->setObjectName(QStringLiteral("colour%1").arg(i));
        m_swatches[i]->setFixedSize(48, 20);
        m_swatches[i]->setFrameShape(QFrame::Box);
        m_swatches[i]->setAutoFillBackground(true);
        colourGrid->addWidget(m_swatches[i], i, 1);
        auto* change = new QPushButton(Translate("Change"), colourGroup);
        change->setObjectName(QStringLiteral("changeColour%1").arg(i));
        connect(change, &QPushButton::clicked, this, [this, i] {
            if (m_model.ChangeColour(HtmlColour(i))) ShowColours();
        });
        colourGrid->addWidget(change, i, 2);
    }
    auto* defaults = new QPushButton(Translate("Default colors"), colourGroup);
    defaults->setObjectName(QStringLiteral("defaultColours"));
    connect(defaults, &QPushButton::clicked, this, [this] {
        m_model.DefaultColours();
        ShowColours();
    });
    colourGrid->addWidget(defaults, kHtmlColourCount, 2);
    colourGrid->setColumnStretch(3, 1);
    layout->addWidget(colourGroup);
    ShowColours();

    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(new QLabel(Translate("Font"), page));
    auto* font = new QComboBox(page);
    font->setObjectName(QStringLiteral("fontFamily"));
    font->setEditable(true);
    font->setInsertPolicy(QComboBox::NoInsert);
    font->addItems(HtmlFontFamilies());
    font->setCurrentText(v.fontFamily);
    connect(font, &QComboBox::currentTextChanged, this, [&v](const QString& text) { v.fontFamily = text; });
    fontRow->addWidget(font, 1);
    layout->addLayout(fontRow);

    auto* lapsRow = new QHBoxLayout;
    lapsRow->addWidget(new QLabel(Translate("List laptimes in a table if less than"), page));
    m_lapsLimit = new QLineEdit(v.lapsLimitText, page);
    m_lapsLimit->setObjectName(QStringLiteral("lapsLimit"));
    m_lapsLimit->setMaximumWidth(50);
    connect(m_lapsLimit, &QLineEdit::textEdited, this, [this, &v](const QString& text) {
        v.lapsLimitText = text;
        if (const auto message = OptionsModel::CheckLapsLimit(text)) m_prompter.ShowError(*message);
    });
    lapsRow->addWidget(m_lapsLimit);
    lapsRow->addWidget(new QLabel(Translate("laps"), page));
    lapsRow->addStretch();
    layout->addLayout(lapsRow);

    layout->addWidget(FlagBox(N_("Export names of part setups"), QStringLiteral("partsetupNames"),
                              &v.exportPartsetupNames, page));
    layout->addWidget(FlagBox(N_("Insert page-break before sessions in session export"),
                              QStringLiteral("pageBreak"), &v.pageBreakBeforeSessions, page));
    layout->addStretch();
    return page;
}

void TOptionsDialog::ShowDrivers() {
    const QString shown = m_model.Values().shownDriver;
    const QSignalBlocker block(m_drivers);
    m_drivers->clear();
    m_drivers->addItems(m_model.Values().drivers);
    m_drivers->setCurrentIndex(int(m_model.Values().drivers.indexOf(shown)));
    m_drivers->setEditText(shown);
}

void TOptionsDialog::ShowColours() {
    for (int i = 0; i < kHtmlColourCount; ++i) {
        QPalette palette = m_swatches[i]->palette();
        palette.setColor(QPalette::Window, ColourOf(m_model.Values().colours[i]));
        m_swatches[i]->setPalette(palette);
    }
}
