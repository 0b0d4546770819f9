#include "app/InstructionsWindow.h"
#include "support/FakeGameInput.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestInstructionsWindow : public QObject {
    Q_OBJECT

private:
    MainWindow *mainWindow_ = nullptr;
    int dismissals_ = 0;

    InstructionsWindow *showOverMainWindow()
    {
        InstructionsWindow::showWithin(mainWindow_, [this] { ++dismissals_; });
        InstructionsWindow *window = InstructionsWindow::existing();
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

private slots:
    void init()
    {
        useNoDevices();
        mainWindow_ = MainWindow::instance();
        mainWindow_->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow_));
        dismissals_ = 0;
    }

    void cleanup() { MainWindow::release(); }

    void isAFixedSheetOverTheTesterWindowWithoutCloseBox()
    {
        InstructionsWindow *window = showOverMainWindow();
        QVERIFY(window);
        QCOMPARE(window->parentWidget(), mainWindow_);
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        QCOMPARE(window->size(), QSize(320, 330));
        QCOMPARE(window->minimumSize(), QSize(320, 330));
        QCOMPARE(window->maximumSize(), QSize(320, 330));
        QCOMPARE(window->windowTitle(), QString());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(window->instructionsStaticText()->geometry(), QRect(10, 10, 300, 280));
        QCOMPARE(window->okPushButton()->geometry(), QRect(260, 300, 50, 20));
        QCOMPARE(window->okPushButton()->text(), QStringLiteral("Ok"));
        QVERIFY(window->okPushButton()->isDefault());
    }

    void showsTheSixStepsSeparatedByBlankLines()
    {
        InstructionsWindow *window = showOverMainWindow();
        QVERIFY(window);
        const QStringList paragraphs = window->instructionsStaticText()->text().split("\n\n");
        QCOMPARE(paragraphs.size(), 6);
        QCOMPARE(paragraphs.at(1),
                 QStringLiteral("2) Then click on the \"Ok\" button to access the \"Quillomat\" "
                                "window."));
        QVERIFY(window->instructionsStaticText()->wordWrap());
        QVERIFY(!window->instructionsStaticText()->text().contains('\r'));
    }

    void returnClosesItLikeOk()
    {
        QPointer<InstructionsWindow> window = showOverMainWindow();
        QVERIFY(window);
        QTest::keyClick(window.data(), Qt::Key_Return);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(dismissals_, 1);
        QCOMPARE(InstructionsWindow::existing(), nullptr);
    }

    void okClosesIt()
    {
        QPointer<InstructionsWindow> window = showOverMainWindow();
        QVERIFY(window);
        window->okPushButton()->click();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(dismissals_, 1);
    }

    void escapeAndCloseRequestsLeaveItOpen()
    {
        QPointer<InstructionsWindow> window = showOverMainWindow();
        QVERIFY(window);
        QTest::keyClick(window.data(), Qt::Key_Escape);
        QVERIFY(!window->close());
        QCoreApplication::processEvents();
        QVERIFY(!window.isNull());
        QVERIFY(window->isVisible());
        QCOMPARE(dismissals_, 0);
    }

    void everyLaunchShowsItOverTheTesterWindow()
    {
        MainWindow::release();
        App::instance()->Event_Open();
        QVERIFY(MainWindow::existing());
        QVERIFY(MainWindow::existing()->isVisible());
        InstructionsWindow *window = InstructionsWindow::existing();
        QVERIFY(window);
        QCOMPARE(window->parentWidget(), MainWindow::existing());
        QVERIFY(window->isVisible());
    }
};

QUILLOMAT_TEST_MAIN(TestInstructionsWindow)
#include "tst_instructionswindow.moc"
