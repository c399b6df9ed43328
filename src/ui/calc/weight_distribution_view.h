#pragma once
// The "Weight distribution" setup page (car and kart): the mode, the corner weights or the desired
// shares with the total weight, the ballast, every result with its colour against its ideal share, the
// warning for the sum of the shares and the picture of the vehicle (right click chooses it).
#include <QHash>
#include <QWidget>
#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class WeightDistributionPage;

class WeightDistributionView : public QWidget {
    Q_OBJECT
  public:
    WeightDistributionView(WeightDistributionPage& page, QString pictureFilter, QWidget* parent = nullptr);
    // Shows the setup's inputs, the mode and the results again.
    void Refresh();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLineEdit* Input(const QString& key, QWidget* parent);
    void ShowPicture();

    WeightDistributionPage& m_page;
    QString m_pictureFilter;
    bool m_showing = false;
    QButtonGroup* m_mode = nullptr;
    QHash<QString, QLineEdit*> m_inputs; // by key
    std::array<QLabel*, 9> m_weights{};
    std::array<QLabel*, 9> m_percents{};
    QLabel* m_total = nullptr;
    QLabel* m_sumWarning = nullptr;
    QLabel* m_picture = nullptr;
    QString m_shownPicture;
};
