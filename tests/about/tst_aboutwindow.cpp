#include "about/AboutWindow.h"
#include "base/WebsiteUrl.h"
#include "support/TestApp.h"

#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QPointer>
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

// Ticks of the named timer of the box, as long as it runs (at most `ticks`).
void tick(QPointer<AboutWindow> window, const char *timer, int ticks = 100)
{
    for (auto *t = window->findChild<QTimer *>(timer); window && t->isActive() && ticks-- > 0;)
        QMetaObject::invokeMethod(t, "timeout");
}

// Drives the rest of the fade through the box's timers; true once it closed.
bool driveToClose(QPointer<AboutWindow> window)
{
    tick(window, "FadeInTimer");
    auto *hold = window->findChild<QTimer *>("AboutTimer");
    if (!hold->isActive() || !hold->isSingleShot())
        return false;
    QMetaObject::invokeMethod(hold, "timeout");
    tick(window, "FadeOutTimer");
    return window && !window->isVisible();
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            delete qobject_cast<AboutWindow *>(window);
    }

    void showsNameDeveloperAndLinkOnTheBackdropCentred()
    {
        AboutWindow *window = AboutWindow::instance();
        QStringList texts;
        for (const QLabel *label : window->findChildren<QLabel *>())
            texts.append(label->text());
        QCOMPARE(texts, (QStringList{"Quillomat 1.0", "Developed by \"Brindlecove Software\"",
                                     websiteBaseUrl()}));
        QCOMPARE(window->minimumSize(), QSize(300, 100));
        QCOMPARE(window->maximumSize(), QSize(300, 100));
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->pos(), ::centredWindowPosition(
                                    QGuiApplication::primaryScreen()->geometry(), window->size()));
        // The backdrop shows where no text covers it.
        const QImage shown = window->grab().toImage();
        const QImage picture = AboutWindowMetalPicture().toImage();
        QCOMPARE(picture.size(), QSize(300, 100));
        for (const QPoint point : {QPoint(2, 2), QPoint(150, 35), QPoint(297, 97)})
            QCOMPARE(shown.pixel(point), picture.pixel(point));
    }

    // Centring drops the half pixel, goes negative on a smaller screen, and
    // keeps to the main screen when it is not the leftmost one.
    void centredWindowPosition()
    {
        const QSize box(300, 100);
        QCOMPARE(::centredWindowPosition(QRect(0, 0, 1025, 769), box), QPoint(362, 334));
        QCOMPARE(::centredWindowPosition(QRect(0, 0, 297, 95), box), QPoint(-1, -2));
        QCOMPARE(::centredWindowPosition(QRect(1920, 10, 1280, 1024), box), QPoint(2410, 472));
    }

    void fadesInHoldsFadesOutAndOnlyThenCloses()
    {
        TransparencyRecorder recorder;
        QPointer<AboutWindow> window = AboutWindow::instance();
        window->show();
        QCOMPARE(recorder.levels, QList<int>{255});
        // Only the end of the fade closes the box, not a close box or Alt+F4.
        QVERIFY(!window->close());
        tick(window, "FadeInTimer", 10);
        // About... while it fades brings the same box forward; the fade goes on.
        QCOMPARE(AboutWindow::instance(), window.data());
        tick(window, "FadeInTimer", 17);
        QVERIFY(window->isVisible() && !window->close());
        QVERIFY(driveToClose(window));
        QCOMPARE(recorder.levels, fullFade());
        // The next About... starts over with a new box, even before the closed
        // one is deleted.
        QVERIFY(AboutWindow::instance() != window);
        QCOMPARE(recorder.levels.size(), 54);
        QCOMPARE(recorder.levels.last(), 255);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void theLinkShowsAHandAndOpensTheWebsiteOncePerClick()
    {
        const SeamsRestorer restorer;
        TransparencyRecorder recorder;
        QList<QUrl> opened;
        App::instance()->seams().openUrl = [&opened](const QUrl &url) {
            opened.append(url);
        };
        QPointer<AboutWindow> window = AboutWindow::instance();
        window->show();
        tick(window, "FadeInTimer", 5);
        auto *link = window->findChild<QLabel *>("URLStaticText");
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);

        // A double click: a press, then a press that Qt calls a double click.
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseDClick(link, Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(window->findChild<QLabel *>("NameStaticText"), Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>(3, QUrl(websiteBaseUrl())));
        // The fade goes on where it was.
        QVERIFY(driveToClose(window));
        QCOMPARE(recorder.levels, fullFade());
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
