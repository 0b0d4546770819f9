#include "app/WebsiteUrl.h"
#include "support/FakeGameInput.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <QPointer>
#include <QTest>
#include <QThread>
#include <QUrl>

class TestApp : public QObject {
    Q_OBJECT

private slots:
    void theMenuHandlerTableBindsSevenNamesInOrder()
    {
        QStringList names;
        for (const auto &[name, action] : App::instance()->menuHandlers()) {
            names.append(name);
            QVERIFY(action != nullptr);
        }
        QCOMPARE(names, (QStringList{"HelpDocumentation", "AppleQuit", "AppleAbout", "HelpContact",
                                     "HelpTranslate", "HelpWebsite", "ApplePreferences"}));
        QVERIFY(!App::instance()->handleMenuCommand("EditCut"));
        QVERIFY(!App::instance()->handleMenuCommand("NoSuchItem"));
    }

    void helpCommandsOpenTheWebsitePages_data()
    {
        QTest::addColumn<QString>("itemName");
        QTest::addColumn<QString>("path");
        QTest::newRow("website itself, no trailing slash") << "HelpWebsite"
                                                           << "";
        QTest::newRow("contact") << "HelpContact"
                                 << "/contacts.php";
        QTest::newRow("documentation") << "HelpDocumentation"
                                       << "/contents.php";
        QTest::newRow("translate") << "HelpTranslate"
                                   << "/translate.php";
    }
    void helpCommandsOpenTheWebsitePages()
    {
        QFETCH(QString, itemName);
        QFETCH(QString, path);
        QList<QUrl> opened;
        App::instance()->seams().openUrl = [&opened](const QUrl &url) {
            opened.append(url);
        };
        QVERIFY(App::instance()->handleMenuCommand(itemName));
        QCOMPARE(opened, QList<QUrl>{QUrl(websiteBaseUrl() + path)});
        App::instance()->seams().openUrl = Seams::defaults().openUrl;
    }

    void messagesShowLineBreaksForCarriageReturns()
    {
        MessageRecorder recorder;
        App::instance()->displayMessage("first\rsecond");
        QCOMPARE(recorder.messages, QStringList{"first\nsecond"});
    }

    void aMessageFromAnotherThreadShowsOnTheUiThreadAndWaits()
    {
        QThread *uiThread = QThread::currentThread();
        QThread *shownOn = nullptr;
        bool dismissed = false;
        bool callerSawDismissal = false;
        App::instance()->seams().showMessageBox = [&](const QString &) {
            shownOn = QThread::currentThread();
            QTest::qWait(50);
            dismissed = true;
        };
        QThread *worker = QThread::create([&] {
            App::instance()->displayMessage("from the worker");
            callerSawDismissal = dismissed;
        });
        worker->start();
        QTRY_VERIFY(worker->isFinished());
        delete worker;
        App::instance()->seams().showMessageBox = Seams::defaults().showMessageBox;
        QCOMPARE(shownOn, uiThread);
        QVERIFY(callerSawDismissal);
    }

    void otherHighLevelEventsAreLeftAlone_data()
    {
        QTest::addColumn<QString>("eventClass");
        QTest::addColumn<QString>("eventId");
        QTest::newRow("open documents") << "aevt"
                                        << "odoc";
        QTest::newRow("quit of another class") << "misc"
                                               << "quit";
        QTest::newRow("empty") << ""
                               << "";
    }
    void otherHighLevelEventsAreLeftAlone()
    {
        QFETCH(QString, eventClass);
        QFETCH(QString, eventId);
        useNoDevices();
        QPointer<MainWindow> window = MainWindow::instance();
        QVERIFY(!App::instance()->Event_HandleAppleEvent(nullptr, eventClass, eventId));
        QVERIFY(window && window->isVisible() == window->isVisible());
        QVERIFY(!App::instance()->isQuitting());
        MainWindow::release();
    }

    // Last: the program is quitting afterwards.
    void theQuitEventClosesTheTesterWindowAndEndsTheProgram()
    {
        useNoDevices();
        MainWindow *window = MainWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QPointer<MainWindow> watched = window;

        QVERIFY(App::instance()->Event_HandleAppleEvent(nullptr, "aevt", "quit"));
        QVERIFY(App::instance()->isQuitting());
        QTRY_VERIFY(watched.isNull());
        QCOMPARE(MainWindow::existing(), nullptr);
    }
};

QUILLOMAT_TEST_MAIN(TestApp)
#include "tst_app.moc"
