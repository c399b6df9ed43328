#include "jetting_guru_dialog.h"

#include "calc/jetting_guru.h"
#include "storage/translate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget* Table(const QStringList& titles, QWidget* parent) {
    auto* table = new QTableWidget(JettingGuruRowCount, int(titles.size()), parent);
    table->setHorizontalHeaderLabels(titles);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setMinimumHeight((table->fontMetrics().height() + 6) * 8);
    return table;
}

void SetCellText(QTableWidget* table, int row, int column, const QString& text, bool editable) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, column, item);
    }
    if (item->text() != text) item->setText(text);
}

} // namespace

TJettingGuruDlg::TJettingGuruDlg(JettingGuruModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("JettingGuruDlg"));
    setWindowTitle(JettingGuruModel::WindowTitle());
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("jettingGuruPages"));
    const QStringList titles = JettingGuruModel::PageTitles();
    m_pages->addTab(BuildSuggestionPage(), titles.value(0));
    m_pages->addTab(BuildReferencePage(), titles.value(1));
    layout->addWidget(m_pages);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 640);
    Refresh();
}

void TJettingGuruDlg::Forward(const std::function<void()>& change) {
    if (m_showing) return;
    change();
    Refresh();
}

QWidget* TJettingGuruDlg::BuildSuggestionPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(JettingGuruModel::SaysText(), page));
    auto* valueRow = new QHBoxLayout;
    m_sentence = new QLabel(page);
    m_selectedValue = new QLineEdit(page);
    m_selectedValue->setObjectName(QStringLiteral("jettingSelectedValue"));
    m_selectedValue->setMaximumWidth(90);
    m_selectedUnit = new QLabel(page);
    valueRow->addWidget(m_sentence);
    valueRow->addWidget(m_selectedValue);
    valueRow->addWidget(m_selectedUnit);
    valueRow->addStretch(1);
    layout->addLayout(valueRow);
    layout->addWidget(new QLabel(JettingGuruModel::SuggestText(), page));
    m_suggestion = Table(JettingGuruModel::SuggestionColumnTitles(), page);
    m_suggestion->setObjectName(QStringLiteral("jettingSuggestion"));
    layout->addWidget(m_suggestion, 1);
    auto* methodRow = new QFormLayout;
    m_method = new QComboBox(page);
    m_method->setObjectName(QStringLiteral("jettingMethod"));
    m_method->addItems(JettingGuruModel::MethodChoices());
    methodRow->addRow(Translate("Method"), m_method);
    layout->addLayout(methodRow);

    connect(m_selectedValue, &QLineEdit::textEdited, this,
            [this](const QString& text) { Forward([&] { m_model.SetSelectedValue(text); }); });
    connect(m_method, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) Forward([&] { m_model.SetMethod(JettingMethod(index)); });
    });
    return page;
}

QWidget* TJettingGuruDlg::BuildReferencePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    m_reference1Heading = new QLabel(page);
    m_reference2Heading = new QLabel(page);
    m_reference1 = new QLineEdit(page);
    m_reference1->setObjectName(QStringLiteral("jettingReference1"));
    m_reference2 = new QLineEdit(page);
    m_reference2->setObjectName(QStringLiteral("jettingReference2"));
    m_reference1Unit = new QLabel(page);
    m_reference2Unit = new QLabel(page);
    grid->addWidget(m_reference1Heading, 0, 0);
    grid->addWidget(m_reference1, 0, 1);
    grid->addWidget(m_reference1Unit, 0, 2);
    grid->addWidget(m_reference2Heading, 1, 0);
    grid->addWidget(m_reference2, 1, 1);
    grid->addWidget(m_reference2Unit, 1, 2);
    m_kind = new QComboBox(page);
    m_kind->setObjectName(QStringLiteral("jettingKind"));
    m_kind->addItems(JettingGuruModel::KindChoices());
    grid->addWidget(new QLabel(JettingGuruModel::KindCaption(), page), 2, 0);
    grid->addWidget(m_kind, 2, 1, 1, 2);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    m_references = Table(JettingGuruModel::ReferenceColumnTitles(), page);
    m_references->setObjectName(QStringLiteral("jettingReferences"));
    layout->addWidget(m_references, 1);
    auto* explanation = new QLabel(JettingGuruModel::Explanation(), page);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    connect(m_reference1, &QLineEdit::textEdited, this,
            [this](const QString& text) { Forward([&] { m_model.SetReference1(text); }); });
    connect(m_reference2, &QLineEdit::textEdited, this,
            [this](const QString& text) { Forward([&] { m_model.SetReference2(text); }); });
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) Forward([&] { m_model.SetKind(JetSizeKind(index)); });
    });
    connect(m_references, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        Forward([&] { m_model.SetReferenceCell(item->row(), item->column(), item->text()); });
    });
    return page;
}

void TJettingGuruDlg::Refresh() {
    m_showing = true;
    const JettingGuruCaptions& captions = m_model.Captions();
    const JettingGuruSettings& settings = m_model.Settings();
    m_sentence->setText(captions.sentence);
    if (m_selectedValue->text() != m_model.SelectedValue()) m_selectedValue->setText(m_model.SelectedValue());
    m_selectedUnit->setText(captions.unit);
    m_method->setCurrentIndex(int(settings.method));
    m_reference1Heading->setText(captions.reference1Heading);
    m_reference2Heading->setText(captions.reference2Heading);
    m_reference1Unit->setText(captions.unit);
    m_reference2Unit->setText(captions.unit);
    if (m_reference1->text() != settings.reference1) m_reference1->setText(settings.reference1);
    if (m_reference2->text() != settings.reference2) m_reference2->setText(settings.reference2);
    m_kind->setCurrentIndex(int(settings.kind));
    const JettingSuggestion& suggestion = m_model.Suggestion();
    for (int row = 0; row < JettingGuruRowCount; ++row) {
        SetCellText(m_suggestion, row, 0, suggestion[row].name, false);
        SetCellText(m_suggestion, row, 1, suggestion[row].size, false);
        SetCellText(m_references, row, 0, settings.rows[row].name, true);
        SetCellText(m_references, row, 1, settings.rows[row].size1, true);
        SetCellText(m_references, row, 2, settings.rows[row].size2, true);
    }
    m_showing = false;
}
