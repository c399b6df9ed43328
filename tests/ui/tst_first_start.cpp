// The first start: the vehicle is chosen, not taken from whatever the list shows first, and a driver
// name given twice is told as an error that asks whether to try again.
#include "app/options_model.h"
#include "ui/app/basic_setup_dialog.h"
#include "ui/platform/qt_services.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

// Asks with Qt's boxes, but the name comes from the test.
class NamingPrompter : public QtPrompter {
  public:
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override { return name; }
    QString name;
};

} // namespace

class TestFirstStart : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void nextNeedsAChosenVehicle() {
        TBasicSetupDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("vehicleTypes"));
        auto* next = dialog.findChild<QPushButton*>(QStringLiteral("next"));
        list->setFocus();
        QApplication::processEvents();
        QVERIFY(!next->isEnabled());
        QCOMPARE(dialog.ChosenEntry(), std::nullopt);

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
        QVERIFY(next->isEnabled());
        QCOMPARE(dialog.ChosenEntry(), std::optional<int>(3));
    }

    void aDriverGivenTwiceIsAnError() {
        ProgramSettings settings;
        settings.drivers = {QStringLiteral("Ann")};
        NamingPrompter prompter;
        prompter.name = QStringLiteral("Ann");
        OptionsModel model(settings, 100, prompter);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            icon = box->icon();
            buttons = box->standardButtons();
            QCOMPARE(box->text(), QStringLiteral("Driver Ann already exists! Try again?"));
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!model.AddDriver());
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(model.Values().drivers, QStringList{"Ann"});
    }
};

QTEST_MAIN(TestFirstStart)
#include "tst_first_start.moc"
