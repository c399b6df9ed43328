#include "dyno_data_dialog.h"

#include "chart_view.h"
#include "session/setup_calculators.h"
#include "storage/translate.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>

// Rpm and power are typed; the torque column is computed.
class DynoTableModel : public QAbstractTableModel {
  public:
    DynoTableModel(SetupCalculators& calculators, QObject* parent)
        : QAbstractTableModel(parent), m_calculators(calculators) {}

    std::function<void()> beforeEdit;

    void Refresh() { Q_EMIT dataChanged(index(0, 0), index(DynoRowCount - 1, 2)); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : DynoRowCount;
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
        const DynoData& dyno = m_calculators.Dyno();
        switch (index.column()) {
        case 0:
            return dyno.RowText(index.row()).rpm;
        case 1:
            return dyno.RowText(index.row()).power;
        default:
            return dyno.TorqueText(index.row());
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Vertical) return section + 1;
        const QStringList titles = {Translate("Rpm"), Translate("Power"), Translate("Torque (Nm)")};
        return titles.value(section);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) return Qt::NoItemFlags;
        const Qt::ItemFlags base = QAbstractTableModel::flags(index);
        return index.column() < 2 ? base | Qt::ItemIsEditable : base;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || role != Qt::EditRole || index.column() > 1) return false;
        const QString text = value.toString();
        if (data(index, Qt::EditRole).toString() == text) return true;
        if (beforeEdit) beforeEdit();
        m_calculators.SetDynoCell(index.row(), index.column(), text);
        Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), 2));
        return true;
    }

  private:
    SetupCalculators& m_calculators;
};

TDynoDataDlg::TDynoDataDlg(SetupCalculators& calculators, QWidget* parent)
    : QDialog(parent), m_calculators(calculators) {
    setObjectName(QStringLiteral("DynoDataDlg"));
    setWindowTitle(Translate("Dyno Data"));
    auto* layout = new QHBoxLayout(this);
    auto* view = new QTableView(this);
    view->setObjectName(QStringLiteral("dynoTable"));
    m_table = new DynoTableModel(calculators, view);
    view->setModel(m_table);
    view->horizontalHeader()->setDefaultSectionSize(80);
    view->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setMinimumWidth(320);
    layout->addWidget(view);
    m_chart = new ChartView(this);
    m_chart->setObjectName(QStringLiteral("dynoChart"));
    m_chart->setMinimumSize(520, 420);
    auto* right = new QVBoxLayout;
    right->addWidget(m_chart, 1);
    auto* readout = new QLabel(this);
    readout->setObjectName(QStringLiteral("dynoReadout"));
    right->addWidget(readout);
    layout->addLayout(right, 1);
    connect(m_chart, &ChartView::pointerMoved, readout, &QLabel::setText);
    resize(960, 620);
    Refresh();
}

void TDynoDataDlg::SetBeforeEdit(std::function<void()> beforeEdit) {
    m_table->beforeEdit = std::move(beforeEdit);
}

void TDynoDataDlg::Refresh() {
    m_table->Refresh();
    m_chart->Show(m_calculators.Dyno().Chart());
}
