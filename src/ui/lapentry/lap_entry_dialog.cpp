#include "lap_entry_dialog.h"

#include "lapentry/lap_entry_model.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "ui/widgets/text_grid_model.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

// Column 0 carries the row numbers: not typed into.
class LapEntryGridModel : public TextGridModel {
  public:
    using TextGridModel::TextGridModel;
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = TextGridModel::flags(index);
        if (index.column() == 0) f &= ~Qt::ItemIsEditable;
        return f;
    }
};

TImportManualSessionDialog::TImportManualSessionDialog(LapEntryModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("ImportManualSessionDialog"));
    setWindowTitle(Translate("Import lap times"));
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* fields = new QFormLayout;
    m_driver = new QComboBox(this);
    m_driver->setObjectName(QStringLiteral("DriverNameComboBox"));
    m_driver->setEditable(true);
    fields->addRow(Translate("Choose driver"), m_driver);
    auto* when = new QHBoxLayout;
    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("StartDatePicker"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_time = new QTimeEdit(this);
    m_time->setObjectName(QStringLiteral("StartTimePicker"));
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    when->addWidget(m_date);
    when->addWidget(m_time);
    fields->addRow(Translate("Session started at"), when);
    m_splits = new QComboBox(this);
    m_splits->setObjectName(QStringLiteral("SplitTimesComboBox"));
    m_splits->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    fields->addRow(Translate("Number of split times"), m_splits);
    left->addLayout(fields);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("ImportStringGrid"));
    m_gridModel = new LapEntryGridModel(m_model.Grid(), nullptr, m_grid);
    m_gridModel->SetEditable(true);
    m_grid->setModel(m_gridModel);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        QAction* insert = menu.addAction(Translate("Insert row"));
        if (menu.exec(m_grid->viewport()->mapToGlobal(at)) == insert) InsertRow();
    });
    left->addWidget(m_grid, 1);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    auto* formats = new QLabel(Translate("Allowed time formats: mm:ss.zzz and ss.zzz") + u'\n' +
                                   Translate("(m=minutes, s=seconds and z=thousands of a second)"),
                               this);
    formats->setWordWrap(true);
    right->addWidget(formats);
    auto* pitRow = new QFormLayout;
    m_pit = new QLineEdit(this);
    m_pit->setObjectName(QStringLiteral("TotalPitStopTimeEdit"));
    pitRow->addRow(Translate("Total time in pits"), m_pit);
    right->addLayout(pitRow);

    auto* importBox = new QGroupBox(Translate("Import lap times"), this);
    auto* importLayout = new QVBoxLayout(importBox);
    m_source = new QComboBox(importBox);
    m_source->setObjectName(QStringLiteral("ImportTypeComboBox"));
    m_source->addItems(LapEntryModel::SourceTexts());
    m_import = new QPushButton(Translate("Import lap times"), importBox);
    m_import->setObjectName(QStringLiteral("ImportDataButton"));
    importLayout->addWidget(m_source);
    importLayout->addWidget(m_import);
    right->addWidget(importBox);

    auto* clear = new QPushButton(Translate("Clear All"), this);
    clear->setObjectName(QStringLiteral("ClearAllButton"));
    right->addWidget(clear);
    right->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    right->addWidget(buttons);
    layout->addLayout(right);

    connect(buttons, &QDialogButtonBox::accepted, this, &TImportManualSessionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, [this] {
        Store();
        if (m_model.ClearAllButtonClick()) m_grid->scrollToTop();
        Load();
    });
    connect(m_import, &QPushButton::clicked, this, [this] {
        Store();
        m_model.ImportDataButtonClick();
        Load();
    });
    // The header's sections are made anew when the splits change the columns.
    connect(m_gridModel, &QAbstractItemModel::modelReset, this, [this] { SizeColumns(); });
    connect(m_gridModel, &QAbstractItemModel::headerDataChanged, this, [this] { SizeColumns(); });
    connect(m_splits, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_loading) return;
        m_model.SetSplits(index);
        Load();
    });
    connect(m_source, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_loading) return;
        m_model.SetSourceIndex(index);
        m_import->setEnabled(m_model.ImportEnabled());
    });
    resize(760, 560);
    Load();
}

TImportManualSessionDialog::~TImportManualSessionDialog() = default;

void TImportManualSessionDialog::Load() {
    m_loading = true;
    m_driver->clear();
    m_driver->addItems(m_model.DriverNames());
    m_driver->setCurrentIndex(int(m_model.DriverNames().indexOf(m_model.Driver())));
    m_driver->setEditText(m_model.Driver());
    const QDateTime start = DateTimeFromDayNumber(m_model.StartDay());
    m_date->setDate(start.date());
    m_time->setTime(start.time());
    m_splits->setCurrentIndex(m_model.Splits());
    m_splits->setEnabled(m_model.SplitsEnabled());
    m_pit->setText(m_model.PitText());
    m_source->setCurrentIndex(m_model.SourceIndex());
    m_import->setEnabled(m_model.ImportEnabled());
    m_loading = false;
    SizeColumns();
}

void TImportManualSessionDialog::Store() {
    m_model.SetDriver(m_driver->currentText());
    m_model.SetStartDay(DayNumberFromDateTime(QDateTime(m_date->date(), m_time->time())));
    m_model.SetPitText(m_pit->text());
}

void TImportManualSessionDialog::accept() {
    Store();
    if (m_model.OkBitBtnClick()) QDialog::accept();
}

void TImportManualSessionDialog::InsertRow() {
    const int row = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : 0;
    m_model.InsertRowMenuItemClick(row + 1);
}

bool TImportManualSessionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            int first = -1, last = -1;
            for (const QModelIndex& index : m_grid->selectionModel()->selectedIndexes()) {
                first = first < 0 ? index.row() : std::min(first, index.row());
                last = std::max(last, index.row());
            }
            if (first >= 0) m_model.DeleteRows(first + 1, last + 1);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const QModelIndex current = m_grid->currentIndex();
            if (current.isValid() && current.row() + 1 < m_gridModel->rowCount())
                m_grid->setCurrentIndex(m_gridModel->index(current.row() + 1, current.column()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Columns 1.. share the room beside column 0 equally.
void TImportManualSessionDialog::SizeColumns() {
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    if (header->count() > 0) {
        header->setSectionResizeMode(0, QHeaderView::Fixed);
        header->resizeSection(0, m_grid->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    }
}
