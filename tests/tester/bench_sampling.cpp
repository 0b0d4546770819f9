// Cost of one sampling tick over 256 elements of a real (virtual) SDL pad,
// with the real element list, offscreen. Run it directly for the figures:
//   QT_QPA_PLATFORM=offscreen ./bench_sampling
#include "support/TestApp.h"
#include "VirtualJoystick.h"
#include "tester/MainWindow.h"

#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class BenchSampling : public QObject {
    Q_OBJECT

private:
    static constexpr int axes = 64;
    static constexpr int buttons = 128;
    static constexpr int hats = 64;

    // Moves every element, so that every Now cell changes at each tick.
    static void moveEverything(VirtualJoystick &pad, int step)
    {
        const bool odd = step % 2 != 0;
        for (int axis = 0; axis < axes; ++axis)
            pad.setAxis(axis, static_cast<Sint16>(odd ? 1000 + axis : -1000 - axis));
        for (int button = 0; button < buttons; ++button)
            pad.setButton(button, odd);
        for (int hat = 0; hat < hats; ++hat)
            pad.setHat(hat, odd ? SDL_HAT_UP : SDL_HAT_DOWN);
    }

    MainWindow *openWithPad()
    {
        MainWindow *window = MainWindow::instance();
        window->mainTimer()->stop();
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return nullptr;
        window->mainPopupMenu()->setCurrentIndex(0);
        return window;
    }

private slots:
    void initTestCase()
    {
        if (VirtualJoystick::hostJoystickCount() > 0)
            QSKIP("this machine has game devices of its own");
    }

    void cleanup() { MainWindow::release(); }

    void tickOver256Elements()
    {
        VirtualJoystick pad({"Bench Pad", axes, buttons, hats});
        QVERIFY(pad.isAttached());
        MainWindow *window = openWithPad();
        QVERIFY(window);
        QCOMPARE(window->mainListBox()->topLevelItemCount(), axes + buttons + hats);
        int step = 0;
        QBENCHMARK
        {
            moveEverything(pad, ++step);
            window->MainTimer_Action();
        }
    }

    void tickOver256ElementsAtRest()
    {
        VirtualJoystick pad({"Bench Pad", axes, buttons, hats});
        MainWindow *window = openWithPad();
        QVERIFY(window);
        QBENCHMARK
        {
            window->MainTimer_Action();
        }
    }

    void tickAndRepaintOver256Elements()
    {
        VirtualJoystick pad({"Bench Pad", axes, buttons, hats});
        MainWindow *window = openWithPad();
        QVERIFY(window);
        int step = 0;
        QBENCHMARK
        {
            moveEverything(pad, ++step);
            window->MainTimer_Action();
            window->mainListBox()->viewport()->repaint();
        }
    }
};

QUILLOMAT_TEST_MAIN(BenchSampling)
#include "bench_sampling.moc"
