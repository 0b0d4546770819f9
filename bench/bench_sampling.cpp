// Cost of one sampling tick over 256 elements of a real (virtual) SDL pad that
// all move, with the real element list, offscreen; then with a repaint too.
//   QT_QPA_PLATFORM=offscreen ./bench_sampling
#include "VirtualJoystick.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

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
};

QUILLOMAT_TEST_MAIN(BenchSampling)
#include "bench_sampling.moc"
