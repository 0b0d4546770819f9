// Cost of one sampling tick over 256 elements of a real (virtual) SDL pad that
// all move, with the real element list, offscreen; then with a repaint too;
// then with 8,192 changes waiting in SDL's queue, to be folded into Min and Max.
//   QT_QPA_PLATFORM=offscreen ./bench_sampling
#include "VirtualJoystick.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <algorithm>
#include <vector>

class BenchSampling : public QObject {
    Q_OBJECT

private slots:
    void tickOver256Elements_data()
    {
        QTest::addColumn<bool>("repaint");
        QTest::newRow("tick") << false;
        QTest::newRow("tick and repaint of the list") << true;
    }
    void tickOver256Elements()
    {
        QFETCH(bool, repaint);
        VirtualJoystick pad({"Bench Pad", 64, 128, 64});
        MainWindow *window = MainWindow::instance();
        auto *timer = window->findChild<QTimer *>("MainTimer");
        auto *list = window->findChild<QTreeWidget *>("MainListBox");
        timer->stop();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->findChild<QComboBox *>("MainPopupMenu")->setCurrentIndex(0);
        QCOMPARE(list->topLevelItemCount(), 256);
        bool odd = false;
        QBENCHMARK
        {
            odd = !odd;
            for (int index = 0; index < 128; ++index) {
                pad.setAxis(index % 64, Sint16(odd ? 1000 + index : -1000 - index));
                pad.setButton(index, odd);
                pad.setHat(index % 64, odd ? SDL_HAT_UP : SDL_HAT_DOWN);
            }
            QMetaObject::invokeMethod(timer, "timeout");
            if (repaint)
                list->viewport()->repaint();
        }
        MainWindow::release();
    }

    // Each round fills the queue as 32 reports of the whole pad would, then
    // times the tick alone; the median round is the result.
    void tickWithAFullQueue()
    {
        VirtualJoystick pad({"Bench Pad", 64, 128, 64});
        MainWindow *window = MainWindow::instance();
        auto *timer = window->findChild<QTimer *>("MainTimer");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        timer->stop();
        window->findChild<QComboBox *>("MainPopupMenu")->setCurrentIndex(0);
        const auto waiting = [] {
            return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_JOYAXISMOTION, SDL_JOYBUTTONUP);
        };
        std::vector<qint64> nanoseconds;
        for (int round = 0; round < 50; ++round) {
            for (int report = 0; report < 32; ++report) {
                const bool odd = report % 2 != 0;
                for (int index = 0; index < 128; ++index) {
                    pad.setAxis(index % 64, Sint16(odd ? round + index : -round - index - 1));
                    pad.setButton(index, odd);
                    pad.setHat(index % 64, odd ? SDL_HAT_UP : SDL_HAT_DOWN);
                }
                SDL_JoystickUpdate();
            }
            QVERIFY(waiting() >= 8000);
            VirtualJoystick::settle();
            QElapsedTimer clock;
            clock.start();
            QMetaObject::invokeMethod(timer, "timeout");
            nanoseconds.push_back(clock.nsecsElapsed());
            QCOMPARE(waiting(), 0);
        }
        std::nth_element(nanoseconds.begin(), nanoseconds.begin() + 25, nanoseconds.end());
        QTest::setBenchmarkResult(nanoseconds[25] / 1e6, QTest::WalltimeMilliseconds);
        MainWindow::release();
    }
};

QUILLOMAT_TEST_MAIN(BenchSampling)
#include "bench_sampling.moc"
