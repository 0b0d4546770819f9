#include "about/AboutWindow.h"
#include "base/ApplicationServices.h"
#include "base/WebsiteUrl.h"
#include "support/TestApp.h"

namespace {

// Keeps every transparency level the box sets, while it lives.
struct TransparencyRecorder : SeamsRestorer {
    QList<int> levels;
    TransparencyRecorder()
    {
        seams().setTransparency = [this](QWidget *, int level) {
            return levels.append(level), true;
        };
    }
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
    tick(window, "AboutTimer", 1);
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
        QVERIFY(window->minimumSize() == QSize(300, 100) &&
                window->maximumSize() == QSize(300, 100));
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->pos(), QPoint(250, 350)); // on the 800 x 800 offscreen screen
        // Half pixels drop; the main screen need not be the leftmost one.
        QCOMPARE(::centredWindowPosition(QRect(1920, 10, 1281, 1025), QSize(300, 100)),
                 QPoint(2410, 472));
        // The backdrop shows where no text covers it.
        const QImage shown = window->grab().toImage();
        const QImage picture = AboutWindowMetalPicture().toImage();
        QCOMPARE(picture.size(), QSize(300, 100));
        for (const QPoint point : {QPoint(2, 2), QPoint(150, 35), QPoint(297, 97)})
            QCOMPARE(shown.pixel(point), picture.pixel(point));
        // Transparency levels run from 0, opaque, to 255, invisible (on a
        // window of its own: the box's fade goes on meanwhile).
        QWidget plain;
        QVERIFY(SetTransparencyMBS(&plain, 51) && plain.windowOpacity() == 0.8);
        QVERIFY(SetTransparencyMBS(&plain, 300) && plain.windowOpacity() == 0.0);
        QVERIFY(!SetTransparencyMBS(nullptr, 0));
    }

    void fadesInHoldsFadesOutAndOnlyThenCloses()
    {
        TransparencyRecorder recorder;
        QPointer<AboutWindow> window = AboutWindow::instance();
        // Steps of 50 ms and a hold of 5 s, kept exact.
        for (const auto &[name, interval] :
             {std::pair{"FadeInTimer", 50}, {"AboutTimer", 5000}, {"FadeOutTimer", 50}}) {
            const auto *timer = window->findChild<QTimer *>(name);
            QVERIFY(timer->interval() == interval && timer->timerType() == Qt::PreciseTimer &&
                    timer->isSingleShot() == (interval == 5000));
        }
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
        // The next About... starts over with a new box, even before the closed
        // one is deleted.
        QVERIFY(AboutWindow::instance() != window);
        QCOMPARE(recorder.levels, fullFade() << 255);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    // The link shows a hand and opens the website once per click, a double
    // click too (a press, then a press that Qt calls a double click); the
    // fade goes on where it was.
    void theLinkShowsAHandAndOpensTheWebsiteOncePerClick()
    {
        TransparencyRecorder recorder;
        QList<QUrl> opened;
        seams().openUrl = [&opened](const QUrl &url) {
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
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseDClick(link, Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(window->findChild<QLabel *>("NameStaticText"), Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>(3, QUrl(websiteBaseUrl())));
        QVERIFY(driveToClose(window));
        QCOMPARE(recorder.levels, fullFade());
    }
};

QUILLOMAT_TEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
