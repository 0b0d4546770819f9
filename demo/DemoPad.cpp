#include "DemoPad.h"

#include "DemoScript.h"

#include <QTimer>

DemoPad::DemoPad(QObject *parent)
    : QObject(parent)
{
    // The program owns its signals, as it does when it initialises SDL itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return;

    SDL_VirtualJoystickDesc description = {};
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    // A game controller, so that SDL names its elements by their roles.
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = DemoScript::axisCount;
    description.nbuttons = DemoScript::buttonCount;
    description.nhats = DemoScript::hatCount;
    description.name = name;
    const int deviceIndex = SDL_JoystickAttachVirtualEx(&description);
    if (deviceIndex < 0)
        return;
    instanceId_ = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    joystick_ = SDL_JoystickOpen(deviceIndex);

    timer_ = new QTimer(this);
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(20);
    connect(timer_, &QTimer::timeout, this, &DemoPad::step);
    clock_.start();
    step();
    timer_->start();
}

DemoPad::~DemoPad()
{
    if (joystick_) {
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == instanceId_) {
                SDL_JoystickDetachVirtual(index);
                break;
            }
        }
        SDL_JoystickClose(joystick_);
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void DemoPad::step()
{
    if (!joystick_)
        return;
    const DemoScript::PadState state = DemoScript::stateAt(clock_.elapsed());
    for (int axis = 0; axis < DemoScript::axisCount; ++axis)
        SDL_JoystickSetVirtualAxis(joystick_, axis, state.axes[axis]);
    for (int button = 0; button < DemoScript::buttonCount; ++button)
        SDL_JoystickSetVirtualButton(joystick_, button, state.buttons[button] ? 1 : 0);
    SDL_JoystickSetVirtualHat(joystick_, 0, state.hat);
}
