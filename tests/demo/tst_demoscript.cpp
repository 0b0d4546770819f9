#include "DemoScript.h"

#include <QTest>

#include <SDL.h>

#include <functional>

namespace {

using DemoScript::PadState;

// The longest run, in milliseconds, during which `holds` is true, sampling
// the script every millisecond over two cycles.
int longestRun(const std::function<bool(const PadState &)> &holds)
{
    int longest = 0;
    for (int ms = 0, run = 0; ms < 2 * DemoScript::cycleMs(); ++ms) {
        run = holds(DemoScript::stateAt(ms)) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The pad's timer ticks every 20 ms and may cut a held state short by a tick
// on each side; what the script holds must still last 250 ms then.
constexpr int minimumHoldMs = 250 + 2 * 20;

} // namespace

class TestDemoScript : public QObject {
    Q_OBJECT

private slots:
    void everyExtremeAndPressIsHeldLongEnoughToBeSampled()
    {
        for (int axis = 0; axis < DemoScript::axisCount; ++axis) {
            for (int end : {-32768, 32767})
                QVERIFY2(longestRun([&](const PadState &s) { return s.axes[axis] == end; }) >=
                             minimumHoldMs,
                         qPrintable(QStringLiteral("axis %1 at %2").arg(axis).arg(end)));
        }
        for (int button = 0; button < DemoScript::buttonCount; ++button)
            QVERIFY(longestRun([&](const PadState &s) { return s.buttons[button]; }) >=
                    minimumHoldMs);
        QList<int> hatOrder;
        for (int ms = 0; ms < DemoScript::cycleMs(); ++ms) {
            const PadState state = DemoScript::stateAt(ms);
            // Buttons are pressed one at a time.
            QVERIFY(std::count(state.buttons.begin(), state.buttons.end(), true) <= 1);
            if (state.hat != 0 && (hatOrder.isEmpty() || hatOrder.last() != state.hat))
                hatOrder.append(state.hat);
        }
        QCOMPARE(hatOrder, (QList<int>{SDL_HAT_UP, SDL_HAT_RIGHT, SDL_HAT_DOWN, SDL_HAT_LEFT}));
        for (int direction : hatOrder)
            QVERIFY(longestRun([&](const PadState &s) { return s.hat == direction; }) >=
                    minimumHoldMs);
    }

    void eachCycleOfAtMostTenSecondsEndsWithTwoSecondsOfRest()
    {
        const int cycle = DemoScript::cycleMs();
        QVERIFY(cycle <= 10000);
        const PadState rest = DemoScript::restState();
        for (int ms = cycle - 2000 - 2 * 20; ms < cycle; ++ms) {
            const PadState state = DemoScript::stateAt(ms);
            QVERIFY2(state.axes == rest.axes && state.buttons == rest.buttons && state.hat == 0,
                     qPrintable(QString::number(ms)));
        }
    }
};

QTEST_APPLESS_MAIN(TestDemoScript)
#include "tst_demoscript.moc"
