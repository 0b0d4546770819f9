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
    int run = 0;
    for (int ms = 0; ms < 2 * DemoScript::cycleMs(); ++ms) {
        run = holds(DemoScript::stateAt(ms)) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

bool atRest(const PadState &state)
{
    const PadState rest = DemoScript::restState();
    return state.axes == rest.axes && state.buttons == rest.buttons && state.hat == rest.hat;
}

// The pad's timer ticks every 20 ms, so a held state may be cut short by one
// tick on each side; what the script holds must still last 250 ms then.
constexpr int minimumHoldMs = 250 + 2 * 20;

} // namespace

class TestDemoScript : public QObject {
    Q_OBJECT

private slots:
    void oneCycleTakesAtMostTenSeconds() { QVERIFY(DemoScript::cycleMs() <= 10000); }

    void everyStickReachesBothEndsAndHoldsThem()
    {
        for (int axis = 0; axis < 4; ++axis) {
            for (int end : {-32768, 32767}) {
                const int held =
                    longestRun([&](const PadState &state) { return state.axes[axis] == end; });
                QVERIFY2(
                    held >= minimumHoldMs,
                    qPrintable(
                        QStringLiteral("axis %1 at %2 for %3 ms").arg(axis).arg(end).arg(held)));
            }
        }
    }

    void bothTriggersPressFullyAndHold()
    {
        for (int axis = 4; axis < 6; ++axis) {
            QVERIFY(longestRun([&](const PadState &s) { return s.axes[axis] == 32767; }) >=
                    minimumHoldMs);
            QVERIFY(longestRun([&](const PadState &s) { return s.axes[axis] == -32768; }) >=
                    minimumHoldMs);
        }
    }

    void eachButtonIsPressedAloneInTurn()
    {
        int previousStart = -1;
        for (int button = 0; button < DemoScript::buttonCount; ++button) {
            QVERIFY(longestRun([&](const PadState &s) { return s.buttons[button]; }) >=
                    minimumHoldMs);
            int start = -1;
            for (int ms = 0; ms < DemoScript::cycleMs() && start < 0; ++ms) {
                const PadState state = DemoScript::stateAt(ms);
                if (state.buttons[button]) {
                    start = ms;
                    QCOMPARE(std::count(state.buttons.begin(), state.buttons.end(), true), 1);
                }
            }
            QVERIFY2(start > previousStart, "buttons out of turn");
            previousStart = start;
        }
    }

    void theHatGoesRoundUpRightDownLeft()
    {
        QList<int> order;
        for (int ms = 0; ms < DemoScript::cycleMs(); ++ms) {
            const int hat = DemoScript::stateAt(ms).hat;
            if (hat != 0 && (order.isEmpty() || order.last() != hat))
                order.append(hat);
        }
        QCOMPARE(order, (QList<int>{SDL_HAT_UP, SDL_HAT_RIGHT, SDL_HAT_DOWN, SDL_HAT_LEFT}));
        for (int direction : order)
            QVERIFY(longestRun([&](const PadState &s) { return s.hat == direction; }) >=
                    minimumHoldMs);
    }

    void eachCycleEndsWithTwoSecondsOfRest()
    {
        const int cycle = DemoScript::cycleMs();
        for (int ms = cycle - 2000 - 2 * 20; ms < cycle; ++ms)
            QVERIFY2(atRest(DemoScript::stateAt(ms)), qPrintable(QString::number(ms)));
        QVERIFY(!atRest(DemoScript::stateAt(cycle + DemoScript::sweepMs)));
    }
};

QTEST_APPLESS_MAIN(TestDemoScript)
#include "tst_demoscript.moc"
