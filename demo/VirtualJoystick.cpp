#include "VirtualJoystick.h"

namespace {

void initJoysticks()
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
}

int deviceIndexOf(SDL_JoystickID instanceId)
{
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == instanceId)
            return index;
    }
    return -1;
}

} // namespace

VirtualJoystick::VirtualJoystick(const Layout &layout)
    : name_(layout.name)
{
    initJoysticks();
    SDL_VirtualJoystickDesc description = {};
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type =
        layout.gameController ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_UNKNOWN;
    description.naxes = static_cast<Uint16>(layout.axes);
    description.nbuttons = static_cast<Uint16>(layout.buttons);
    description.nhats = static_cast<Uint16>(layout.hats);
    description.vendor_id = layout.vendor;
    description.product_id = layout.product;
    description.name = name_.constData();
    const int deviceIndex = SDL_JoystickAttachVirtualEx(&description);
    if (deviceIndex < 0)
        return;
    instanceId_ = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    joystick_ = SDL_JoystickOpen(deviceIndex);
}

VirtualJoystick::~VirtualJoystick()
{
    detach();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void VirtualJoystick::setAxis(int axis, Sint16 value)
{
    if (joystick_)
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
}

void VirtualJoystick::setButton(int button, bool pressed)
{
    if (joystick_)
        SDL_JoystickSetVirtualButton(joystick_, button, pressed ? 1 : 0);
}

void VirtualJoystick::setHat(int hat, Uint8 value)
{
    if (joystick_)
        SDL_JoystickSetVirtualHat(joystick_, hat, value);
}

void VirtualJoystick::detach()
{
    if (!joystick_)
        return;
    const int deviceIndex = deviceIndexOf(instanceId_);
    if (deviceIndex >= 0)
        SDL_JoystickDetachVirtual(deviceIndex);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
}

void VirtualJoystick::settle()
{
    SDL_Delay(2);
}

int VirtualJoystick::hostJoystickCount()
{
    initJoysticks();
    int count = 0;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (!SDL_JoystickIsVirtual(index))
            ++count;
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    return count;
}
