#include "DemoPad.h"

#include "DemoScript.h"

#include <QTimer>

#include <cstdio>

DemoPad::DemoPad(QObject *parent)
    : QObject(parent)
    , timer_(new QTimer(this))
{
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(20);
    connect(timer_, &QTimer::timeout, this, &DemoPad::step);
}

void DemoPad::plugIn()
{
    if (pad_)
        return;
    // A game controller, so that SDL names its elements by their roles.
    pad_.emplace(VirtualJoystick::Layout{name, DemoScript::axisCount, DemoScript::buttonCount,
                                         DemoScript::hatCount, true, 0, 0, true});
    if (!pad_->isAttached())
        return;
    // What the Device window asks of it, on standard error: it has no motors
    // or light to show it.
    pad_->onRequest([](const QString &request) {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(request));
    });
    clock_.start();
    step();
    timer_->start();
}

void DemoPad::step()
{
    const DemoScript::PadState state = DemoScript::stateAt(clock_.elapsed());
    // One report: SDL reads none of it before all of it is set.
    SDL_LockJoysticks();
    for (int axis = 0; axis < DemoScript::axisCount; ++axis)
        pad_->setAxis(axis, state.axes[axis]);
    for (int button = 0; button < DemoScript::buttonCount; ++button)
        pad_->setButton(button, state.buttons[button]);
    pad_->setHat(0, state.hat);
    SDL_UnlockJoysticks();
}
