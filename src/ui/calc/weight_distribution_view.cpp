#include "weight_distribution_view.h"

#include "session/weight_distribution_page.h"
#include "storage/translate.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QColor ColourOf(WeightColour colour, const QPalette& palette) {
    switch (colour) {
    case WeightColour::Red:
        return QColor(Qt::red);
    case WeightColour::Blue:
        return QColor(Qt::blue);
    case WeightColour::Normal:
        break;
    }
    return palette.color(QPalette::WindowText);
}

QLabel* Figure(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000.0%")));
    return label;
}

} // namespace

WeightDistributionView::WeightDistributionView(WeightDistributionPage& page, QString pictureFilter,
                                               QWidget* parent)
    : QWidget(parent), m_page(page), m_pictureFilter(std::move(pictureFilter)) {
    setObjectName(QStringLiteral("weightDistributionPage"));
    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    outer->addLayout(left);

    auto* modeBox = new QGroupBox(WeightDistributionModel::ModeCaption(), this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    m_mode = new QButtonGroup(this);
    const QStringList modes = WeightDistributionModel::ModeChoices();
    for (int i = 0; i < modes.size(); ++i) {
        auto* button = new QRadioButton(modes.at(i), modeBox);
        button->setObjectName(i == 0 ? QStringLiteral("modeActual") : QStringLiteral("modeDesired"));
        m_mode->addButton(button, i);
        modeLayout->addWidget(button);
    }
    left->addWidget(modeBox);

    auto* inputs = new QHBoxLayout;
    auto* actual = new QGroupBox(Translate("Actual corner weights"), this);
    auto* actualGrid = new QGridLayout(actual);
    auto* desired = new QGroupBox(Translate("Desired weight distribution"), this);
    auto* desiredGrid = new QGridLayout(desired);
    const char* corners[] = {"FL", "FR", "RL", "RR"};
    for (int corner = 0; corner < 4; ++corner) {
        // FL FR above RL RR, as the wheels stand.
        const int row = corner / 2, column = (corner % 2) * 2;
        actualGrid->addWidget(new QLabel(QString::fromLatin1(corners[corner]), actual), row, column);
        actualGrid->addWidget(Input(WeightDistributionPage::WeightKey(corner), actual), row, column + 1);
        desiredGrid->addWidget(
            new QLabel(QString::fromLatin1(corners[corner]) + QStringLiteral(" %"), desired), row, column);
        desiredGrid->addWidget(Input(WeightDistributionPage::PercentKey(corner), desired), row, column + 1);
    }
    desiredGrid->addWidget(new QLabel(Translate("Total weight"), desired), 2, 0, 1, 2);
    desiredGrid->addWidget(Input(WeightDistributionPage::TotalKey(), desired), 2, 3);
    m_sumWarning = new QLabel(desired);
    m_sumWarning->setObjectName(QStringLiteral("sumWarning"));
    m_sumWarning->setAlignment(Qt::AlignCenter);
    m_sumWarning->setAutoFillBackground(true);
    desiredGrid->addWidget(m_sumWarning, 3, 0, 1, 4);
    inputs->addWidget(actual, 0, Qt::AlignTop);
    inputs->addWidget(desired, 0, Qt::AlignTop);
    left->addLayout(inputs);

    auto* ballastForm = new QFormLayout;
    ballastForm->addRow(Translate("Ballast (weight and position)"),
                        Input(WeightDistributionPage::BallastKey(), this));
    left->addLayout(ballastForm);

    // The results: corners and cross weight beside the axles, the sides and the total.
    auto* results = new QHBoxLayout;
    const auto table = [&](const QString& title, std::initializer_list<int> rows, bool withTotal) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(Translate("Weight")), box), 0, 1,
                        Qt::AlignRight);
        grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(Translate("Percent")), box), 0, 2,
                        Qt::AlignRight);
        int line = 1;
        for (int row : rows) {
            grid->addWidget(new QLabel(Translate(WeightRowCaptions().at(row)), box), line, 0);
            m_weights[size_t(row)] = Figure(box, QStringLiteral("weight/") + WeightRowCaptions().at(row));
            m_percents[size_t(row)] = Figure(box, QStringLiteral("percent/") + WeightRowCaptions().at(row));
            grid->addWidget(m_weights[size_t(row)], line, 1);
            grid->addWidget(m_percents[size_t(row)], line, 2);
            ++line;
        }
        if (withTotal) {
            grid->addWidget(new QLabel(Translate("Total weight"), box), line, 0);
            m_total = Figure(box, QStringLiteral("weight/Total"));
            grid->addWidget(m_total, line, 1);
        }
        results->addWidget(box, 0, Qt::AlignTop);
    };
    table(Translate("Corner Weights"), {FL, FR, RL, RR, Cross}, false);
    table(Translate("Side Weights"), {Front, Rear, Left, Right}, true);
    results->addStretch(1);
    left->addLayout(results);
    left->addStretch(1);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("weightPicture"));
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setWordWrap(true);
    m_picture->setMinimumSize(200, 200);
    m_picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_picture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_picture, &QWidget::customContextMenuRequested, this, [this] {
        if (m_page.ChoosePicture(m_pictureFilter)) Refresh();
    });
    outer->addWidget(m_picture, 1);

    connect(m_mode, &QButtonGroup::idClicked, this, [this](int id) {
        if (m_showing) return;
        m_page.SetMode(WeightMode(id));
        Refresh();
    });
    Refresh();
}

QLineEdit* WeightDistributionView::Input(const QString& key, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("weight_distribution/") + key);
    if (key != WeightDistributionPage::BallastKey()) edit->setMaximumWidth(80);
    connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) {
        if (m_showing) return;
        m_page.SetText(key, text);
        Refresh();
    });
    m_inputs.insert(key, edit);
    return edit;
}

void WeightDistributionView::Refresh() {
    m_showing = true;
    for (auto it = m_inputs.cbegin(); it != m_inputs.cend(); ++it) {
        const QString text = m_page.Text(it.key());
        if (it.value()->text() != text) it.value()->setText(text);
    }
    m_mode->button(int(m_page.Mode()))->setChecked(true);
    const WeightResults& results = m_page.Results();
    for (size_t row = 0; row < results.rows.size(); ++row) {
        const WeightResult& result = results.rows[row];
        m_weights[row]->setText(result.weight);
        m_percents[row]->setText(result.percent);
        QPalette palette = m_percents[row]->palette();
        palette.setColor(QPalette::WindowText, ColourOf(result.colour, this->palette()));
        m_percents[row]->setPalette(palette);
    }
    m_total->setText(results.total);
    // The sum of the shares shows only in the desired mode, and only when it is not 100.
    const bool warn = m_page.Mode() == WeightMode::DesiredDistribution && results.sumShown;
    m_sumWarning->setVisible(warn);
    if (warn) {
        m_sumWarning->setText(Translate("Sum of percentages:") + QLatin1Char(' ') + results.sumWarning);
        QPalette palette = m_sumWarning->palette();
        palette.setColor(QPalette::Window,
                         results.sumColour == WeightColour::Red ? QColor(Qt::red) : QColor(Qt::blue));
        palette.setColor(QPalette::WindowText, QColor(Qt::white));
        m_sumWarning->setPalette(palette);
    }
    m_showing = false;
    ShowPicture();
}

void WeightDistributionView::ShowPicture() {
    const QString file = m_page.PictureFile();
    const QPixmap pixmap = file.isEmpty() ? QPixmap() : QPixmap(file);
    if (pixmap.isNull()) {
        m_picture->setPixmap(QPixmap());
        m_picture->setText(WeightDistributionModel::PictureHint());
        return;
    }
    m_picture->setPixmap(
        pixmap.scaled(m_picture->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void WeightDistributionView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ShowPicture();
}
