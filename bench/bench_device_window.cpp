// CPU of the program with a pad that moves as the demo pad does and has
// motion sensors reporting 250 times a second, as a DualShock 4's do, and a
// touchpad: first with the Device window closed, then open. SDL's virtual
// pads have no sensors: the pad is a fake. CTest runs it for a second each;
// to measure, under an X server:
//   QT_QPA_PLATFORM=xcb xvfb-run -a build/bench/bench_device_window 30
#include "DemoScript.h"
#include "base/MotionGauge.h"
#include "support/TestApp.h"
#include "tester/DeviceWindow.h"
#include "tester/MainWindow.h"

#include <QElapsedTimer>

#include <sys/resource.h>

#include <cmath>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct MovingElement final : GameInputElement {
    QString Name() const override { return name; }
    GameInputKind Kind() const override { return kind; }
    std::int32_t Value() const override { return value(); }
    QString name;
    GameInputKind kind;
    std::function<std::int32_t()> value;
};

// The demo pad's script, with sensors and a touchpad that report while watched.
struct SensorDemoPad final : GameInputManager, GameInputDevice {
    SensorDemoPad()
    {
        clock.start();
        const auto add = [this](const QString &name, GameInputKind kind, auto value) {
            auto element = std::make_unique<MovingElement>();
            element->name = name;
            element->kind = kind;
            element->value = value;
            elements.push_back(std::move(element));
        };
        for (int axis = 0; axis < DemoScript::axisCount; ++axis)
            add(QStringLiteral("Axis %1").arg(axis), GameInputKind::Axis,
                [this, axis] { return DemoScript::stateAt(clock.elapsed()).axes[axis]; });
        for (int button = 0; button < DemoScript::buttonCount; ++button)
            add(QStringLiteral("Button %1").arg(button), GameInputKind::Button,
                [this, button] { return DemoScript::stateAt(clock.elapsed()).buttons[button]; });
        add(QStringLiteral("Hat 0"), GameInputKind::Hat,
            [this] { return DemoScript::stateAt(clock.elapsed()).hat; });
    }
    // Reports queue up while watched, 250 a second, and are taken in when read.
    void takeInReports()
    {
        const auto now = static_cast<std::uint32_t>(clock.elapsed());
        for (; watched && reported + 4 <= now; reported += 4) {
            const float wobble = std::sin(reported / 300.0f);
            gauge.reportRotation({wobble * 40, 0.3f, -0.2f}, reported);
            gauge.reportAcceleration({0, wobble * 0.1f, 1}, reported);
            fingers[0] = {true, 0.5f + wobble / 3, 0.5f, 0.5f};
        }
        reported = std::max(reported, now);
    }
    std::int32_t DeviceCount() override { return 1; }
    GameInputDevice *Device(std::int32_t) override { return this; }
    QString Name() const override { return QStringLiteral("Sensor Demo Pad"); }
    std::int32_t ElementCount() override { return static_cast<std::int32_t>(elements.size()); }
    GameInputElement *Element(std::int32_t index) override
    {
        return elements[static_cast<std::size_t>(index)].get();
    }
    void Watch(bool on) override
    {
        takeInReports();
        watched = on;
    }
    bool ReadMotion(GameInputMotion &motion) override
    {
        takeInReports();
        motion.gyroscope = motion.accelerometer = true;
        gauge.read(motion);
        return true;
    }
    std::int32_t TouchpadCount() override { return 1; }
    bool ReadTouchpad(std::int32_t, std::vector<GameInputFinger> &touching) override
    {
        takeInReports();
        touching = fingers;
        return true;
    }

    QElapsedTimer clock;
    std::vector<std::unique_ptr<MovingElement>> elements;
    bool watched = false;
    std::uint32_t reported = 0;
    MotionGauge gauge;
    std::vector<GameInputFinger> fingers{{}, {}};
};

} // namespace

class BenchDeviceWindow : public QObject {
    Q_OBJECT

private slots:
    void cpuWithTheDeviceWindowClosedThenOpen()
    {
        const int seconds = std::max(1, qEnvironmentVariableIntValue("BENCH_SECONDS"));
        auto *pad = new SensorDemoPad;
        seams().createGameInputManager = [pad] {
            return std::unique_ptr<GameInputManager>(pad);
        };
        MainWindow *tester = MainWindow::instance();
        tester->show();
        QVERIFY(QTest::qWaitForWindowExposed(tester));
        auto *popup = tester->findChild<QComboBox *>("MainPopupMenu");
        QTRY_COMPARE(popup->count(), 1);
        popup->setCurrentIndex(0);
        QStringList figures;
        for (const bool open : {false, true}) {
            if (open)
                QVERIFY(QTest::qWaitForWindowExposed(DeviceWindow::showFor(tester)));
            const double before = cpuSeconds();
            QTest::qWait(seconds * 1000);
            figures << QStringLiteral("Device window %1: CPU %2% of one core over %3 s")
                           .arg(open ? "open" : "closed")
                           .arg(100 * (cpuSeconds() - before) / seconds, 0, 'f', 2)
                           .arg(seconds);
        }
        qInfo("%s", qPrintable(figures.join("; ")));
        MainWindow::release();
    }
};

int main(int argc, char **argv)
{
    if (argc > 1)
        qputenv("BENCH_SECONDS", argv[--argc]);
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    App app(argc, argv);
    BenchDeviceWindow bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_device_window.moc"
