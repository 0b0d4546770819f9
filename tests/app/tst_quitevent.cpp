#include "support/FakeGameInput.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <QPointer>
#include <QTest>

// The desktop's own request to quit (QEvent::Quit, what macOS sends for
// Cmd-Q in the Dock) takes the road of the Quit command. A process can quit
// only once, so this has an executable of its own.
class TestQuitEvent : public QObject {
    Q_OBJECT

private slots:
    void theDesktopsQuitRequestClosesTheTesterWindow()
    {
        useNoDevices();
        MainWindow *window = MainWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QPointer<MainWindow> watched = window;

        QEvent quit(QEvent::Quit);
        QVERIFY(QCoreApplication::sendEvent(App::instance(), &quit));
        QVERIFY(App::instance()->isQuitting());
        QTRY_VERIFY(watched.isNull());
    }
};

QUILLOMAT_TEST_MAIN(TestQuitEvent)
#include "tst_quitevent.moc"
