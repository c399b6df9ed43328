#include "part_status_dialog.h"

#include "services/services.h"
#include "storage/comma_text.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using namespace part_col;
constexpr int kDecimalColumns[] = {Price,      Hours,        Mileage,       HoursSinceInsp, MileageSinceInsp,
                                   HoursLimit, MileageLimit, HoursInterval, MileageInterval};
constexpr int kIntegerColumns[] = {Sessions, Starts, StartsSinceInsp, StartsLimit, StartsInterval};
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

} // namespace

PartStatusDialog::PartStatusDialog(Prompter& prompter, Shell& shell, const Options& options, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_shell(shell), m_options(options) {
    setWindowTitle(options.edit ? Translate("Edit part") : Translate("Add part"));
    setObjectName(QStringLiteral("PartStatusDialog"));
    auto* tabs = new QTabWidget(this);
    const QString unit = options.miles ? Translate(" [miles]") : Translate(" [km]");

    auto* general = new QWidget;
    auto* form = new QFormLayout(general);
    auto line = [&](int column) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QStringLiteral("field%1").arg(column));
        m_edits[column] = edit;
        return edit;
    };
    m_date = new QDateEdit(QDate::fromString(options.today, kDateFormat));
    m_date->setDisplayFormat(kDateFormat);
    m_date->setCalendarPopup(true);
    m_date->setObjectName(QStringLiteral("date"));
    form->addRow(Translate("Date of replacement"), Field(Changed, m_date, general));
    form->addRow(Translate("Part No."), Field(PartNo, line(PartNo), general));
    form->addRow(Translate("Id"), Field(Id, line(Id), general));
    form->addRow(Translate("Name"), Field(Name, line(Name), general));
    form->addRow(Translate("Location"), Field(Location, line(Location), general));
    form->addRow(Translate("Comment"), Field(Comments, line(Comments), general));
    m_qty = new QSpinBox;
    m_qty->setObjectName(QStringLiteral("qty"));
    // Outside the stock a part is at least one piece.
    m_qty->setRange(options.stock ? 0 : 1, 100000);
    form->addRow(Translate("Qty."), Field(Qty, m_qty, general));
    form->addRow(Translate("Sessions"), Field(Sessions, line(Sessions), general));
    auto* linkRow = new QWidget;
    auto* linkLayout = new QHBoxLayout(linkRow);
    linkLayout->setContentsMargins(0, 0, 0, 0);
    auto* linkButton = new QPushButton(Translate("Link"));
    auto* openButton = new QPushButton(Translate("Open"));
    m_openLink = openButton;
    linkLayout->addWidget(linkButton);
    linkLayout->addWidget(openButton);
    linkLayout->addStretch();
    connect(linkButton, &QPushButton::clicked, this, [this] { ChooseLink(); });
    connect(openButton, &QPushButton::clicked, this, [this] {
        if (!m_shell.Open(m_link)) m_prompter.ShowError(Translate("Unable to open selected file!"));
    });
    form->addRow(QString(), Field(Link, linkRow, general));
    tabs->addTab(general, Translate("General"));

    if (options.stock) {
        auto* stock = new QWidget;
        auto* stockForm = new QFormLayout(stock);
        m_reqQty = new QSpinBox;
        m_reqQty->setRange(0, 100000);
        stockForm->addRow(Translate("Req. Qty."), Field(ReqQty, m_reqQty, stock));
        m_supplier = new QComboBox;
        m_supplier->setEditable(true);
        QStringList suppliers = options.suppliers;
        suppliers.sort(Qt::CaseInsensitive);
        m_supplier->addItems(suppliers);
        m_supplier->setCurrentText(QString());
        stockForm->addRow(Translate("Supplier"), Field(Supplier, m_supplier, stock));
        stockForm->addRow(Translate("Price/piece"), Field(Price, line(Price), stock));
        stockForm->addRow(Translate("Storage location"), Field(Storage, line(Storage), stock));
        tabs->addTab(stock, Translate("Stock details"));
    }

    auto* counters = new QWidget;
    auto* grid = new QGridLayout(counters);
    auto pair = [&](int row, const QString& caption, int value, int limit, const QString& limitCaption) {
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(Field(value, line(value), counters), row, 1);
        grid->addWidget(new QLabel(limitCaption), row, 2);
        grid->addWidget(Field(limit, line(limit), counters), row, 3);
    };
    auto* limits =
        new QLabel(QStringLiteral("<b>%1</b>").arg(Translate("Replacement limits").toHtmlEscaped()));
    grid->addWidget(limits, 0, 0, 1, 4);
    pair(1, Translate("Hours since new"), Hours, HoursLimit, Translate("Limit"));
    pair(2, Translate("Mileage since new") + unit, Mileage, MileageLimit, Translate("Limit") + unit);
    pair(3, Translate("Starts since new"), Starts, StartsLimit, Translate("Limit"));
    grid->addWidget(
        new QLabel(QStringLiteral("<b>%1</b>").arg(Translate("Inspection intervals").toHtmlEscaped())), 4, 0,
        1, 4);
    pair(5, Translate("Hours since last inspection"), HoursSinceInsp, HoursInterval, Translate("Interval"));
    pair(6, Translate("Mileage since last inspection") + unit, MileageSinceInsp, MileageInterval,
         Translate("Interval") + unit);
    pair(7, Translate("Starts since last inspection"), StartsSinceInsp, StartsInterval,
         Translate("Interval"));
    auto* buttons = new QHBoxLayout;
    auto* inspected = new QPushButton(Translate("Inspection done"));
    auto* setNew = new QPushButton(Translate("Set as new"));
    connect(inspected, &QPushButton::clicked, this, [this] { InspectionDone(); });
    connect(setNew, &QPushButton::clicked, this, [this] { SetAsNew(); });
    buttons->addWidget(inspected);
    buttons->addWidget(setNew);
    buttons->addStretch();
    grid->addLayout(buttons, 8, 0, 1, 4);
    grid->setRowStretch(9, 1);
    tabs->addTab(counters, Translate("Limits and intervals"));

    auto* tasks = new QWidget;
    auto* tasksLayout = new QVBoxLayout(tasks);
    m_tasks = new QPlainTextEdit;
    tasksLayout->addWidget(Field(Tasks, m_tasks, tasks));
    tabs->addTab(tasks, Translate("Inspection tasks"));

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(box);
    UpdateLinkButton();
}

QWidget* PartStatusDialog::Field(int column, QWidget* editor, QWidget* parent) {
    if (!m_options.multiRow) return editor;
    // The apply box before the field: the field is enabled only while its box is ticked.
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* apply = new QCheckBox;
    apply->setObjectName(QStringLiteral("apply%1").arg(column));
    m_apply[column] = apply;
    editor->setEnabled(false);
    connect(apply, &QCheckBox::toggled, editor, &QWidget::setEnabled);
    layout->addWidget(apply);
    layout->addWidget(editor, 1);
    return row;
}

bool PartStatusDialog::Applied(int column) const {
    return !m_apply[column] || m_apply[column]->isChecked();
}

void PartStatusDialog::SetFields(const QStringList& row) {
    const QStringList fields = PadFields(row, kPartColumnCount);
    for (int c = 0; c < kPartColumnCount; ++c)
        if (m_edits[c]) m_edits[c]->setText(fields[c].trimmed());
    const QDate date = QDate::fromString(fields[Changed].trimmed(), kDateFormat);
    if (date.isValid()) m_date->setDate(date);
    m_qty->setValue(ParseInteger(fields[Qty].trimmed()).value_or(1));
    if (m_reqQty) m_reqQty->setValue(ParseInteger(fields[ReqQty].trimmed()).value_or(1));
    if (m_supplier) m_supplier->setCurrentText(fields[Supplier].trimmed());
    m_tasks->setPlainText(CommaTextSplit(fields[Tasks]).join(u'\n'));
    m_link = fields[Link].trimmed();
    UpdateLinkButton();
}

PartDialogResult PartStatusDialog::Result() const {
    PartDialogResult result;
    for (int c = 0; c < kPartColumnCount; ++c) {
        if (m_edits[c]) result.fields[c] = m_edits[c]->text().trimmed();
        result.applied.set(std::size_t(c), Applied(c));
    }
    result.fields[Changed] = m_date->date().toString(kDateFormat);
    result.fields[Qty] = QString::number(m_qty->value());
    if (m_reqQty) result.fields[ReqQty] = QString::number(m_reqQty->value());
    if (m_supplier) result.fields[Supplier] = m_supplier->currentText().trimmed();
    QStringList lines = m_tasks->toPlainText().split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    result.fields[Tasks] = lines.isEmpty() ? QString() : CommaTextJoin(lines);
    result.fields[Link] = m_link;
    return result;
}

void PartStatusDialog::accept() {
    auto check = [&](int column, bool decimal) {
        if (!m_edits[column] || !Applied(column)) return true;
        const auto error = decimal ? CheckDecimalText(m_edits[column]->text().trimmed())
                                   : CheckIntegerText(m_edits[column]->text().trimmed());
        if (!error) return true;
        m_prompter.ShowError(*error);
        m_edits[column]->setFocus();
        return false;
    };
    for (int column : kDecimalColumns)
        if (!check(column, true)) return;
    for (int column : kIntegerColumns)
        if (!check(column, false)) return;
    QDialog::accept();
}

void PartStatusDialog::InspectionDone() {
    if (m_prompter.AskOkCancel(Translate("Reset inspection counters?")) != Answer::Ok) return;
    for (int c : {HoursSinceInsp, MileageSinceInsp, StartsSinceInsp})
        if (Applied(c)) m_edits[c]->clear();
}

void PartStatusDialog::SetAsNew() {
    if (m_prompter.AskOkCancel(Translate("Reset all counters?")) != Answer::Ok) return;
    for (int c : {Sessions, Hours, Mileage, Starts, HoursSinceInsp, MileageSinceInsp, StartsSinceInsp})
        if (Applied(c)) m_edits[c]->clear();
    if (Applied(Changed)) m_date->setDate(QDate::fromString(m_options.today, kDateFormat));
}

void PartStatusDialog::ChooseLink() {
    const auto chosen = m_prompter.ChooseOpenFile(Translate("Open external link"), QString(),
                                                  Translate("All files") + QStringLiteral(" (*)"));
    if (!chosen) return;
    m_link = *chosen;
    UpdateLinkButton();
}

void PartStatusDialog::UpdateLinkButton() {
    m_openLink->setEnabled(!m_link.isEmpty() && QFileInfo::exists(m_link));
    m_openLink->setToolTip(Translate("Open") + u' ' + m_link);
}

MovePartDialog::MovePartDialog(const QStringList& groups, const QStringList& part, bool several,
                               int maxQuantity, const QString& today, QWidget* parent)
    : QDialog(parent), m_several(several) {
    setWindowTitle(Translate("Move Part"));
    auto* form = new QFormLayout;
    m_group = new QComboBox;
    m_group->addItems(groups);
    form->addRow(Translate("Move this part to the following group"), m_group);
    auto shown = [&](const QString& caption, const QString& text) {
        auto* edit = new QLineEdit(text);
        edit->setReadOnly(true);
        form->addRow(caption, edit);
    };
    const QStringList fields = PadFields(part, kPartColumnCount);
    shown(Translate("Part No."), several ? Translate("Several parts selected") : fields[PartNo]);
    shown(Translate("Id"), several ? QString() : fields[Id]);
    shown(Translate("Name"), several ? QString() : fields[Name]);
    shown(Translate("Comments"), several ? QString() : fields[Comments]);
    m_quantity = new QSpinBox;
    m_quantity->setRange(1, std::max(1, maxQuantity));
    m_quantity->setValue(1);
    m_quantity->setReadOnly(several);
    form->addRow(Translate("Quantity"), m_quantity);
    if (!several && maxQuantity <= 1) m_quantity->setVisible(false);
    m_setDate = new QCheckBox(Translate("Set replacement date"));
    m_date = new QDateEdit(QDate::fromString(today, kDateFormat));
    m_date->setDisplayFormat(kDateFormat);
    form->addRow(m_setDate, m_date);
    m_moveAll = new QCheckBox(Translate("Move all parts"));
    m_moveAll->setVisible(several);
    connect(m_moveAll, &QCheckBox::toggled, m_quantity, &QWidget::setDisabled);
    form->addRow(QString(), m_moveAll);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
}

QString MovePartDialog::Destination() const {
    return m_group->currentText();
}

PartMove MovePartDialog::Move() const {
    PartMove move;
    move.quantity = m_quantity->value();
    move.moveAll = m_several && m_moveAll->isChecked();
    if (m_setDate->isChecked()) move.date = m_date->date().toString(kDateFormat);
    return move;
}
