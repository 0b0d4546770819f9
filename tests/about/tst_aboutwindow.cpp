#include "about/AboutWindow.h"
#include "app/WebsiteUrl.h"

#include "support/TestApp.h"

#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace {

// Keeps every transparency level the box sets, and when, while it lives.
struct TransparencyRecorder {
    TransparencyRecorder()
    {
        clock.start();
        previous = AboutWindow::setTransparencySetter([this](QWidget *, int level) {
            levels.append(level);
            times.append(clock.elapsed());
            return true;
        });
    }
    ~TransparencyRecorder() { AboutWindow::setTransparencySetter(previous); }

    QElapsedTimer clock;
    QList<int> levels;
    QList<qint64> times;
    AboutWindow::TransparencySetter previous;
};

// One full run: 255 before showing, fade-in 255 down to 5, fade-out 0 up to 250.
QList<int> fullFade()
{
    QList<int> levels{255};
    for (int level = 255; level >= 5; level -= 10)
        levels.append(level);
    for (int level = 0; level <= 250; level += 10)
        levels.append(level);
    return levels;
}

// Drives the rest of the fade through the handlers; true once the box closed.
bool driveToClose(AboutWindow *window)
{
    for (int tick = 0; tick < 100 && window->fadeInTimer()->isActive(); ++tick)
        window->FadeInTimer_Action();
    if (!window->aboutTimer()->isActive() || !window->aboutTimer()->isSingleShot())
        return false;
    window->AboutTimer_Action();
    for (int tick = 0; tick < 100 && window->fadeOutTimer()->isActive(); ++tick)
        window->FadeOutTimer_Action();
    return !window->isVisible() && !AboutWindow::existing();
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        delete AboutWindow::existing();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void cleanupTestCase() { AboutWindow::release(); }

    void showsNameDeveloperAndLinkOnTheBackdrop()
    {
        AboutWindow *window = AboutWindow::instance();
        QCOMPARE(window->nameStaticText()->text(), QStringLiteral("Quillomat 1.0"));
        QCOMPARE(window->developedStaticText()->text(),
                 QStringLiteral("Developed by \"Brindlecove Software\""));
        QCOMPARE(window->urlStaticText()->text(), websiteBaseUrl());
        QCOMPARE(window->minimumSize(), QSize(300, 100));
        QCOMPARE(window->maximumSize(), QSize(300, 100));
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window->windowOpacity(), 0.0); // fully transparent until the fade-in

        QCOMPARE(AboutWindowMetalPicture().size(), QSize(300, 100));
        QCOMPARE(window->backdrop().cacheKey(), AboutWindowMetalPicture().cacheKey());
    }

    void centredWindowPosition_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("odd sizes drop the half pixel")
            << QRect(0, 0, 1025, 769) << QPoint(362, 334);
        QTest::newRow("smaller screen goes negative") << QRect(0, 0, 297, 95) << QPoint(-1, -2);
        QTest::newRow("main screen right of another")
            << QRect(1920, 0, 1280, 1024) << QPoint(2410, 462);
    }
    void centredWindowPosition()
    {
        QFETCH(QRect, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(::centredWindowPosition(screen, QSize(300, 100)), expected);
    }

    void opensCentredOnTheMainScreen()
    {
        AboutWindow *window = AboutWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->pos(), ::centredWindowPosition(
                                    QGuiApplication::primaryScreen()->geometry(), window->size()));
    }

    void fadeSetsFiftyThreeLevelsThenCloses()
    {
        TransparencyRecorder recorder;
        QPointer<AboutWindow> window = AboutWindow::instance();
        window->show();
        QCOMPARE(recorder.levels, QList<int>{255});
        QVERIFY(window->fadeInTimer()->isActive());
        QVERIFY(!window->aboutTimer()->isActive() && !window->fadeOutTimer()->isActive());
        QCOMPARE(window->fadeInTimer()->interval(), 50);
        QCOMPARE(window->aboutTimer()->interval(), 5000);
        QCOMPARE(window->fadeOutTimer()->interval(), 50);

        // Only the end of the fade closes the box, not a close box or Alt+F4.
        QVERIFY(!window->close());
        QVERIFY(window->isVisible() && window->fadeInTimer()->isActive());

        for (int tick = 0; tick < 27; ++tick)
            window->FadeInTimer_Action();
        // The hold keeps the last fade-in level, 5; the fade-out starts at 0.
        QCOMPARE(recorder.levels.size(), 27);
        QCOMPARE(window->timerCounter(), 0);
        QVERIFY(!window->fadeInTimer()->isActive());
        QVERIFY(driveToClose(window));
        QCOMPARE(recorder.levels, fullFade());

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        // The next About... starts over with a new box.
        QVERIFY(AboutWindow::instance());
        QCOMPARE(recorder.levels.size(), 54);
        QCOMPARE(recorder.levels.last(), 255);
    }

    void secondAboutWhileFadingBringsTheSameBoxForward()
    {
        TransparencyRecorder recorder;
        AboutWindow *window = AboutWindow::instance();
        window->show();
        for (int tick = 0; tick < 10; ++tick)
            window->FadeInTimer_Action();

        AboutWindow *again = AboutWindow::instance();
        again->show();
        again->raise();
        QCOMPARE(again, window);
        QCOMPARE(window->timerCounter(), 155);
        QCOMPARE(recorder.levels.size(), 11);
        QVERIFY(driveToClose(window));
        QCOMPARE(recorder.levels, fullFade());
    }

    void linkShowsAHandAndOpensTheWebsiteOncePerClick()
    {
        TransparencyRecorder recorder;
        QList<QUrl> opened;
        const auto restore = qScopeGuard([previous = App::instance()->seams().openUrl] {
            App::instance()->seams().openUrl = previous;
        });
        App::instance()->seams().openUrl = [&opened](const QUrl &url) {
            opened.append(url);
        };
        AboutWindow *window = AboutWindow::instance();
        window->show();
        for (int tick = 0; tick < 5; ++tick)
            window->FadeInTimer_Action();
        QLabel *link = window->urlStaticText();

        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);

        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{QUrl(websiteBaseUrl())});
        QTest::mouseClick(window->nameStaticText(), Qt::LeftButton);
        QCOMPARE(opened.size(), 1);

        // The fade goes on where it was.
        QCOMPARE(AboutWindow::existing(), window);
        QVERIFY(window->isVisible() && window->fadeInTimer()->isActive());
        QCOMPARE(window->timerCounter(), 205);
    }

    // The only test that waits for the real timers.
    void realTimersCloseTheBoxAfterAboutSevenPointSevenSeconds()
    {
        TransparencyRecorder recorder;
        QPointer<AboutWindow> window = AboutWindow::instance();
        qint64 closedAt = -1;
        connect(window, &QObject::destroyed, this,
                [&closedAt, &recorder] { closedAt = recorder.clock.elapsed(); });
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 15000);

        QCOMPARE(recorder.levels, fullFade());
        const qint64 fadeInEnd = recorder.times.at(26);
        const qint64 fadeOutStart = recorder.times.at(27);
        qInfo("last fade-in level at %lld ms, first fade-out level at %lld ms, closed at %lld ms",
              fadeInEnd, fadeOutStart, closedAt);
        QVERIFY2(fadeInEnd >= 1290, qPrintable(QString::number(fadeInEnd)));
        QVERIFY2(fadeOutStart - fadeInEnd >= 5090,
                 qPrintable(QString::number(fadeOutStart - fadeInEnd)));
        QVERIFY2(closedAt >= 7690 && closedAt <= 10000, qPrintable(QString::number(closedAt)));
    }
};

QUILLOMAT_TEST_MAIN(TestAboutWindow)

#include "tst_aboutwindow.moc"
