#include "gearing_page.h"

#include "gear_symbol_table_model.h"
#include "session/setup_model.h"
#include "storage/translate.h"
#include "ui/widgets/mru_combo_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kGearingPage = QStringLiteral(N_("Gearing")); // the setup sub-page this page is

const QString kGearing = QStringLiteral("gearing");

QColor WarningColour() {
    const quint32 bgr = GearingWarningColour;
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

QLabel* FigureLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(70);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QComboBox* RpmBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(RpmChoices());
    return box;
}

QStringList ItemTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

GearingPage::GearingPage(SetupModel& setup, SetupCalculators& calculators, SettingsStore* settings,
                         QWidget* parent)
    : QWidget(parent), m_setup(setup), m_calculators(calculators), m_settings(settings) {
    setObjectName(QStringLiteral("gearingPage"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* content = new QWidget(scroll);
    auto* columns = new QHBoxLayout(content);
    columns->addWidget(BuildTeeth(), 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildFigures());
    right->addWidget(BuildSymbolTables());
    right->addStretch(1);
    columns->addLayout(right);
    columns->addStretch(1);
    scroll->setWidget(content);
    UpdateCaptions();
    Refresh();
}

void GearingPage::Forward(const std::function<void()>& change) {
    if (m_showing) return;
    m_setup.SetEditingPage(kGearingPage);
    change();
}

QLineEdit* GearingPage::AddEdit(GearingField field, int gear) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("gearing/") + GearingFieldKey(field, gear));
    edit->setMinimumWidth(50);
    edit->setMaximumWidth(70);
    connect(edit, &QLineEdit::textEdited, this, [this, field, gear](const QString& text) {
        Forward([&] { m_calculators.SetText(field, text, gear); });
    });
    return edit;
}

TMRUComboBox* GearingPage::AddHistoryBox(GearingField field, const QString& historyKey) {
    auto* box = new TMRUComboBox(this);
    box->setObjectName(QStringLiteral("gearing/") + GearingFieldKey(field));
    box->SetHistory(m_settings, historyKey);
    connect(box, &QComboBox::currentTextChanged, this,
            [this, field](const QString& text) { Forward([&] { m_calculators.SetText(field, text); }); });
    return box;
}

QWidget* GearingPage::BuildTeeth() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* primary = new QGroupBox(Translate("Primary drive"), column);
    auto* primaryLayout = new QGridLayout(primary);
    m_primaryInput = AddEdit(GearingField::PrimaryInput);
    m_primaryOutput = AddEdit(GearingField::PrimaryOutput);
    m_primaryRatio = FigureLabel(primary);
    m_primaryRatio->setObjectName(QStringLiteral("gearing/primaryRatio"));
    primaryLayout->addWidget(new QLabel(Translate("Input"), primary), 0, 0);
    primaryLayout->addWidget(new QLabel(Translate("Output"), primary), 0, 1);
    primaryLayout->addWidget(new QLabel(Translate("Ratio"), primary), 0, 2);
    primaryLayout->addWidget(m_primaryInput, 1, 0);
    primaryLayout->addWidget(m_primaryOutput, 1, 1);
    primaryLayout->addWidget(m_primaryRatio, 1, 2);
    auto* hint = new QLabel(Translate("Set to 1 for cars"), primary);
    hint->setEnabled(false); // a hint, drawn dimmed
    primaryLayout->addWidget(hint, 2, 0, 1, 3);
    layout->addWidget(primary);

    auto* gears = new QGroupBox(Translate("Gear box"), column);
    auto* grid = new QGridLayout(gears);
    const QStringList titles = {Translate("Gear"), Translate("Symbol"), Translate("Input"),
                                Translate("Output"), Translate("Ratio")};
    for (int i = 0; i < titles.size(); ++i)
        grid->addWidget(new QLabel(titles.at(i), gears), 0, i);
    for (int gear = 0; gear < GearCount; ++gear) {
        grid->addWidget(new QLabel(QString::number(gear + 1), gears), gear + 1, 0);
        auto* symbol = new QComboBox(gears);
        symbol->setObjectName(QStringLiteral("gearing/symbol_") + GearOrdinal(gear) +
                              QStringLiteral("_gear"));
        symbol->setMinimumWidth(90);
        connect(symbol, &QComboBox::textActivated, this, [this, gear](const QString& text) {
            Forward([&] { m_calculators.GearComboBoxChange(gear, text); });
        });
        m_symbols[gear] = symbol;
        m_gearInput[gear] = AddEdit(GearingField::GearInput, gear);
        m_gearOutput[gear] = AddEdit(GearingField::GearOutput, gear);
        m_gearRatio[gear] = FigureLabel(gears);
        grid->addWidget(symbol, gear + 1, 1);
        grid->addWidget(m_gearInput[gear], gear + 1, 2);
        grid->addWidget(m_gearOutput[gear], gear + 1, 3);
        grid->addWidget(m_gearRatio[gear], gear + 1, 4);
    }
    m_useSymbols = new QCheckBox(Translate("Use gear symbols"), gears);
    m_useSymbols->setObjectName(QStringLiteral("gearing/use_gearing_symbols"));
    connect(m_useSymbols, &QCheckBox::toggled, this,
            [this](bool checked) { Forward([&] { m_calculators.UseGearSymbolsCheckBoxClick(checked); }); });
    m_editSymbols = new QPushButton(gears);
    m_editSymbols->setObjectName(QStringLiteral("gearing/editSymbols"));
    connect(m_editSymbols, &QPushButton::clicked, this,
            [this] { Forward([&] { m_calculators.EditGearBoxSymbolsButtonClick(); }); });
    grid->addWidget(m_useSymbols, GearCount + 1, 0, 1, 3);
    grid->addWidget(m_editSymbols, GearCount + 1, 3, 1, 2);
    layout->addWidget(gears);

    auto* final = new QGroupBox(Translate("Final drive"), column);
    auto* finalLayout = new QVBoxLayout(final);
    m_shaftDrive = new QCheckBox(Translate("Shaft drive"), final);
    m_shaftDrive->setObjectName(QStringLiteral("gearing/uses_shaftdrive"));
    connect(m_shaftDrive, &QCheckBox::toggled, this,
            [this](bool checked) { Forward([&] { m_calculators.ShaftDriveCheckBoxClick(checked); }); });
    finalLayout->addWidget(m_shaftDrive);
    m_chainFields = new QWidget(final);
    auto* chainForm = new QFormLayout(m_chainFields);
    chainForm->setContentsMargins(0, 0, 0, 0);
    m_countershaft = AddHistoryBox(GearingField::Countershaft, QStringLiteral("CounterShaft"));
    m_rearSprocket = AddHistoryBox(GearingField::RearSprocket, QStringLiteral("RearSprocket"));
    m_chain = AddHistoryBox(GearingField::Chain, QStringLiteral("ChainKey"));
    chainForm->addRow(Translate("Countershaft"), m_countershaft);
    chainForm->addRow(Translate("Rear sprocket"), m_rearSprocket);
    chainForm->addRow(Translate("Chain"), m_chain);
    finalLayout->addWidget(m_chainFields);
    m_shaftFields = new QWidget(final);
    auto* shaftForm = new QFormLayout(m_shaftFields);
    shaftForm->setContentsMargins(0, 0, 0, 0);
    m_shaftInput = AddEdit(GearingField::ShaftInput);
    m_shaftOutput = AddEdit(GearingField::ShaftOutput);
    shaftForm->addRow(Translate("Input"), m_shaftInput);
    shaftForm->addRow(Translate("Output"), m_shaftOutput);
    finalLayout->addWidget(m_shaftFields);
    auto* finalRow = new QFormLayout;
    m_finalRatio = FigureLabel(final);
    m_finalRatio->setObjectName(QStringLiteral("gearing/finalRatio"));
    finalRow->addRow(Translate("Final ratio"), m_finalRatio);
    finalLayout->addLayout(finalRow);
    layout->addWidget(final);

    auto* tire = new QGroupBox(Translate("Drive tire"), column);
    auto* tireForm = new QFormLayout(tire);
    m_tireCaption = new QLabel(tire);
    m_tireCircumference =
        AddHistoryBox(GearingField::TireCircumference, QStringLiteral("DriveTireCircumference"));
    tireForm->addRow(m_tireCaption, m_tireCircumference);
    m_speedUnit = new QComboBox(tire);
    m_speedUnit->setObjectName(QStringLiteral("gearing/speed_unit"));
    m_speedUnit->addItems(SpeedUnitChoices());
    connect(m_speedUnit, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        Forward([&] { m_calculators.SetText(GearingField::SpeedUnit, text); });
    });
    tireForm->addRow(Translate("Speed unit"), m_speedUnit);
    layout->addWidget(tire);
    layout->addStretch(1);
    return column;
}

QWidget* GearingPage::BuildFigures() {
    m_figures = new QGroupBox(Translate("Speeds"), this);
    auto* layout = new QVBoxLayout(m_figures);
    auto* form = new QFormLayout;
    m_rpm = RpmBox(m_figures);
    m_rpm->setObjectName(QStringLiteral("gearing/rpm"));
    connect(m_rpm, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        Forward([&] { m_calculators.SetText(GearingField::Rpm, text); });
    });
    m_lowLimit = RpmBox(m_figures);
    m_lowLimit->setObjectName(QStringLiteral("gearing/rpm_powerband_low"));
    connect(m_lowLimit, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        Forward([&] { m_calculators.SetText(GearingField::LowLimit, text); });
    });
    m_mode = new QComboBox(m_figures);
    m_mode->setObjectName(QStringLiteral("gearing/mode"));
    m_mode->addItems(GearCalcModeNames());
    connect(m_mode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_showing && index >= 0) m_calculators.GearCalcModeComboBoxChange(GearCalcMode(index));
    });
    m_fixSpeed = new QLineEdit(m_figures);
    m_fixSpeed->setObjectName(QStringLiteral("gearing/fixSpeed"));
    m_fixSpeed->setMaximumWidth(90);
    connect(m_fixSpeed, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_showing) m_calculators.SetText(GearingField::FixSpeed, text);
    });
    m_fixSpeedCaption = new QLabel(Translate("Fix speed"), m_figures);
    form->addRow(Translate("Rpm"), m_rpm);
    form->addRow(Translate("Low limit of powerband"), m_lowLimit);
    form->addRow(Translate("Calculation mode"), m_mode);
    form->addRow(m_fixSpeedCaption, m_fixSpeed);
    layout->addLayout(form);

    auto* grid = new QGridLayout;
    m_rpmCaption = new QLabel(m_figures);
    grid->addWidget(new QLabel(Translate("Gear"), m_figures), 0, 0);
    grid->addWidget(new QLabel(Translate("Speed"), m_figures), 0, 1);
    grid->addWidget(m_rpmCaption, 0, 2);
    grid->addWidget(new QLabel(Translate("Drop"), m_figures), 0, 3);
    for (int gear = 0; gear < GearCount; ++gear) {
        grid->addWidget(new QLabel(QString::number(gear + 1), m_figures), gear + 1, 0);
        m_speed[gear] = FigureLabel(m_figures);
        m_speed[gear]->setMinimumWidth(110);
        m_speed[gear]->setObjectName(QStringLiteral("gearing/speed%1").arg(gear + 1));
        m_rpmText[gear] = FigureLabel(m_figures);
        m_rpmText[gear]->setObjectName(QStringLiteral("gearing/rpm%1").arg(gear + 1));
        m_drop[gear] = FigureLabel(m_figures);
        m_drop[gear]->setObjectName(QStringLiteral("gearing/drop%1").arg(gear + 1));
        grid->addWidget(m_speed[gear], gear + 1, 1);
        grid->addWidget(m_rpmText[gear], gear + 1, 2);
        grid->addWidget(m_drop[gear], gear + 1, 3);
    }
    layout->addLayout(grid);
    m_explanation = new QLabel(m_figures);
    m_explanation->setObjectName(QStringLiteral("gearing/explanation"));
    m_explanation->setWordWrap(true);
    m_explanation->setMinimumWidth(360);
    m_explanation->setMinimumHeight(m_explanation->fontMetrics().lineSpacing() * 4);
    m_explanation->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(m_explanation);
    m_showPowerChart = new QCheckBox(Translate("Show PowerChart"), m_figures);
    m_showPowerChart->setObjectName(QStringLiteral("gearing/showPowerChart"));
    connect(m_showPowerChart, &QCheckBox::toggled, this, [this](bool checked) {
        if (m_showing) return;
        m_calculators.ShowPowerChartCBClick(checked);
        if (powerChartToggled) powerChartToggled(checked);
    });
    layout->addWidget(m_showPowerChart);
    return m_figures;
}

QWidget* GearingPage::BuildSymbolTables() {
    m_symbolTables = new QGroupBox(Translate("Gear symbols"), this);
    auto* grid = new QGridLayout(m_symbolTables);
    for (int gear = 0; gear < GearCount; ++gear) {
        auto* box = new QGroupBox(Fill(Translate("Gear %s"), QString::number(gear + 1)), m_symbolTables);
        auto* boxLayout = new QVBoxLayout(box);
        auto* view = new QTableView(box);
        view->setObjectName(QStringLiteral("gearing/symbols%1").arg(gear + 1));
        m_symbolModels[gear] = new GearSymbolTableModel(m_calculators, gear, view);
        m_symbolModels[gear]->beforeEdit = [this] { m_setup.SetEditingPage(kGearingPage); };
        view->setModel(m_symbolModels[gear]);
        view->horizontalHeader()->setDefaultSectionSize(58);
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        view->setMinimumSize(220, 180);
        boxLayout->addWidget(view);
        grid->addWidget(box, gear / 2, gear % 2);
    }
    return m_symbolTables;
}

void GearingPage::ShowText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

void GearingPage::ShowText(QComboBox* box, const QString& text) {
    if (box->currentText() == text) return; // the text being typed keeps its cursor
    if (auto* history = qobject_cast<TMRUComboBox*>(box))
        history->SetText(text);
    else
        box->setCurrentText(text);
}

void GearingPage::UpdateCaptions() {
    m_tireCaption->setText(m_calculators.Gearing().View().tireCircumferenceCaption);
}

void GearingPage::Refresh() {
    m_showing = true;
    const GearingInputs& in = m_calculators.Gearing().Inputs();
    const GearingView& view = m_calculators.Gearing().View();
    ShowText(m_primaryInput, in.primaryInput);
    ShowText(m_primaryOutput, in.primaryOutput);
    m_primaryRatio->setText(view.primaryRatio);
    for (int gear = 0; gear < GearCount; ++gear) {
        QComboBox* symbol = m_symbols[gear];
        if (ItemTexts(symbol) != view.symbolChoices[gear]) {
            symbol->clear();
            symbol->addItems(view.symbolChoices[gear]);
        }
        symbol->setCurrentIndex(symbol->findText(in.gearSymbol[gear]));
        symbol->setEnabled(view.symbolChoicesEnabled);
        ShowText(m_gearInput[gear], in.gearInput[gear]);
        ShowText(m_gearOutput[gear], in.gearOutput[gear]);
        // Locked while the symbols choose the teeth.
        m_gearInput[gear]->setEnabled(view.teethEditable);
        m_gearOutput[gear]->setEnabled(view.teethEditable);
        m_gearRatio[gear]->setText(view.gears[gear].ratio);

        const GearRowView& row = view.gears[gear];
        m_speed[gear]->setText(row.speed);
        m_rpmText[gear]->setText(row.rpm);
        m_drop[gear]->setText(row.drop);
        QPalette palette = m_rpmText[gear]->palette();
        palette.setColor(QPalette::WindowText,
                         row.rpmWarning ? WarningColour() : QPalette().color(QPalette::WindowText));
        m_rpmText[gear]->setPalette(palette);
        QFont font = m_rpmText[gear]->font();
        font.setBold(row.rpmWarning);
        m_rpmText[gear]->setFont(font);
    }
    m_useSymbols->setChecked(m_calculators.Gearing().UseGearSymbols());
    m_editSymbols->setEnabled(view.editSymbolsEnabled);
    m_editSymbols->setText(view.editSymbolsCaption);
    m_shaftDrive->setChecked(in.shaftDrive);
    m_chainFields->setVisible(view.chainFieldsVisible);
    m_shaftFields->setVisible(!view.chainFieldsVisible);
    ShowText(m_countershaft, in.countershaft);
    ShowText(m_rearSprocket, in.rearSprocket);
    ShowText(m_chain, in.chain);
    ShowText(m_shaftInput, in.shaftInput);
    ShowText(m_shaftOutput, in.shaftOutput);
    m_finalRatio->setText(view.finalRatio);
    ShowText(m_tireCircumference, in.tireCircumference);
    ShowText(m_speedUnit, in.speedUnit);
    ShowText(m_rpm, in.rpm);
    ShowText(m_lowLimit, in.lowLimit);
    m_mode->setCurrentIndex(int(m_calculators.Gearing().Mode()));
    ShowText(m_fixSpeed, in.fixSpeed);
    m_fixSpeed->setVisible(view.fixSpeedVisible);
    m_fixSpeedCaption->setVisible(view.fixSpeedVisible);
    m_rpmCaption->setText(view.rpmCaption);
    m_explanation->setText(view.explanation);
    m_showPowerChart->setChecked(m_calculators.PowerChart().IsShown());
    // The symbol tables show in place of the speed results while they are edited.
    m_figures->setVisible(!view.symbolTablesShown);
    m_symbolTables->setVisible(view.symbolTablesShown);
    for (GearSymbolTableModel* model : m_symbolModels)
        model->Refresh();
    UpdateCaptions();
    m_showing = false;
}
