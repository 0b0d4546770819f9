// Cost of one sampling tick over 256 elements of a real (virtual) SDL pad,
// with the real element list, offscreen. Run it directly for the figures:
//   QT_QPA_PLATFORM=offscreen ./bench_sampling
#include "VirtualJoystick.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

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
        if (VirtualJoystick::hostJoystickCount() > 0)
            QSKIP("this machine has game devices of its own");
        constexpr int axes = 64, buttons = 128, hats = 64;
        VirtualJoystick pad({"Bench Pad", axes, buttons, hats});
        MainWindow *window = MainWindow::instance();
        window->mainTimer()->stop();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->mainPopupMenu()->setCurrentIndex(0);
        QCOMPARE(window->mainListBox()->topLevelItemCount(), axes + buttons + hats);
        int step = 0;
        QBENCHMARK
        {
            // Every element moves, so that every Now cell changes.
            const bool odd = ++step % 2 != 0;
            for (int axis = 0; axis < axes; ++axis)
                pad.setAxis(axis, static_cast<Sint16>(odd ? 1000 + axis : -1000 - axis));
            for (int button = 0; button < buttons; ++button)
                pad.setButton(button, odd);
            for (int hat = 0; hat < hats; ++hat)
                pad.setHat(hat, odd ? SDL_HAT_UP : SDL_HAT_DOWN);
            window->MainTimer_Action();
            if (repaint)
                window->mainListBox()->viewport()->repaint();
        }
        MainWindow::release();
    }
};

QUILLOMAT_TEST_MAIN(BenchSampling)
#include "bench_sampling.moc"
