#include "prefs/CheckForUpdateContainerControl.h"
#include "prefs/CommonPreferencesModule.h"
#include "prefs/PreferencesModule.h"
#include "prefs/PreferencesWindow.h"
#include "prefs/ResetPreferencesContainerControl.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QCheckBox *updateBox(PreferencesWindow *window)
{
    return window->mainCheckForUpdateContainerControl()->checkCheckBox();
}

QCheckBox *resetBox(PreferencesWindow *window)
{
    return window->mainResetPreferencesContainerControl()->resetCheckBox();
}

// Clicks where the user would: on the box itself, at the left of the text.
void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class TestPreferencesWindow : public QObject {
    Q_OBJECT

    QMainWindow *tester_ = nullptr;

    PreferencesWindow *openSheet()
    {
        PreferencesWindow::showWithin(tester_);
        PreferencesWindow *window = PreferencesWindow::existing();
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

    bool closedAndDiscarded()
    {
        return QTest::qWaitFor([] { return PreferencesWindow::existing() == nullptr; });
    }

private slots:
    void init()
    {
        PreferencesModule::checkForUpdate = false;
        PreferencesModule::resetPreferences = false;
        tester_ = new QMainWindow;
        tester_->resize(350, 400);
        tester_->show();
        QVERIFY(QTest::qWaitForWindowExposed(tester_));
    }
    void cleanup()
    {
        delete tester_;
        tester_ = nullptr;
        QVERIFY(!PreferencesWindow::existing());
    }

    void showsTheValuesInMemory_data()
    {
        QTest::addColumn<bool>("checkForUpdate");
        QTest::addColumn<bool>("reset");
        QTest::newRow("neither") << false << false;
        QTest::newRow("update check on") << true << false;
        QTest::newRow("reset asked") << false << true;
        QTest::newRow("both") << true << true;
    }
    void showsTheValuesInMemory()
    {
        QFETCH(bool, checkForUpdate);
        QFETCH(bool, reset);
        PreferencesModule::checkForUpdate = checkForUpdate;
        PreferencesModule::resetPreferences = reset;
        PreferencesWindow *window = openSheet();
        QVERIFY(window);
        QCOMPARE(updateBox(window)->isChecked(), checkForUpdate);
        QCOMPARE(resetBox(window)->isChecked(), reset);
        // Opening changes nothing.
        QCOMPARE(PreferencesModule::checkForUpdate, checkForUpdate);
        QCOMPARE(PreferencesModule::resetPreferences, reset);
    }

    void isAWindowModalSheetWithOnlyOk()
    {
        PreferencesWindow *window = openSheet();
        QVERIFY(window);
        QCOMPARE(window->parentWidget(), tester_);
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        QCOMPARE(window->size(), QSize(320, 120));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->findChildren<QPushButton *>(),
                 QList<QPushButton *>{window->okPushButton()});
        QVERIFY(window->okPushButton()->isDefault());
        // Each check box fills the container placed at 300 x 30.
        QCOMPARE(updateBox(window)->geometry(), QRect(0, 0, 300, 30));
        QCOMPARE(resetBox(window)->geometry(), QRect(0, 0, 300, 30));

        // Asking again brings the same sheet forward.
        PreferencesWindow::showWithin(tester_);
        QCOMPARE(PreferencesWindow::existing(), window);
        QCOMPARE(tester_->findChildren<PreferencesWindow *>().size(), 1);

        window->okPushButton()->click();
        QVERIFY(closedAndDiscarded());
    }

    void eachClickTakesEffectAtOnce()
    {
        PreferencesWindow *window = openSheet();
        QVERIFY(window);
        clickBox(updateBox(window));
        QVERIFY(PreferencesModule::checkForUpdate);
        clickBox(resetBox(window));
        QVERIFY(PreferencesModule::resetPreferences);
        clickBox(updateBox(window));
        QVERIFY(!PreferencesModule::checkForUpdate);
        QVERIFY(PreferencesModule::resetPreferences);
        window->okPushButton()->click();
        QVERIFY(closedAndDiscarded());
    }

    void aTickedResetIsShownAgain()
    {
        PreferencesWindow *window = openSheet();
        QVERIFY(window);
        clickBox(resetBox(window));
        QTest::mouseClick(window->okPushButton(), Qt::LeftButton);
        QVERIFY(closedAndDiscarded());

        window = openSheet();
        QVERIFY(window);
        QVERIFY(resetBox(window)->isChecked());
        QVERIFY(!updateBox(window)->isChecked());
        window->okPushButton()->click();
        QVERIFY(closedAndDiscarded());
    }

    void onlyOkOrReturnCloses()
    {
        PreferencesWindow *window = openSheet();
        QVERIFY(window);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->close());
        QTest::qWait(50);
        QCOMPARE(PreferencesWindow::existing(), window);
        QVERIFY(window->isVisible());

        // Return works wherever the focus is: Ok is the default button.
        resetBox(window)->setFocus();
        QTest::keyClick(resetBox(window), Qt::Key_Return);
        QVERIFY(closedAndDiscarded());
        QVERIFY(!PreferencesModule::resetPreferences);
    }

    void tickedThenUntickedResetWritesTheWholeFile()
    {
        QTemporaryDir configHome;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
        PreferencesWindow *window = openSheet();
        QVERIFY(window);
        clickBox(resetBox(window));
        clickBox(resetBox(window));
        window->okPushButton()->click();
        QVERIFY(closedAndDiscarded());

        MessageRecorder recorder;
        PreferencesModule::savePreferences();
        QFile file(configHome.filePath("Quillomat"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 7);
        QCOMPARE(recorder.messages, QStringList());
    }
};

QUILLOMAT_TEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
