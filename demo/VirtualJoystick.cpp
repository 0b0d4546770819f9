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
    if (layout.outputs) {
        description.userdata = this;
        description.Rumble = &VirtualJoystick::rumble;
        description.RumbleTriggers = &VirtualJoystick::rumbleTriggers;
        description.SetLED = &VirtualJoystick::setLight;
    }
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

int VirtualJoystick::rumble(void *pad, Uint16 low, Uint16 high)
{
    return static_cast<VirtualJoystick *>(pad)->request(
        QStringLiteral("rumble %1 %2").arg(low).arg(high));
}

int VirtualJoystick::rumbleTriggers(void *pad, Uint16 left, Uint16 right)
{
    return static_cast<VirtualJoystick *>(pad)->request(
        QStringLiteral("triggers %1 %2").arg(left).arg(right));
}

int VirtualJoystick::setLight(void *pad, Uint8 red, Uint8 green, Uint8 blue)
{
    return static_cast<VirtualJoystick *>(pad)->request(
        QStringLiteral("light %1 %2 %3").arg(red).arg(green).arg(blue));
}

int VirtualJoystick::request(const QString &request)
{
    const std::lock_guard lock(requestsMutex_);
    if (!refusal_.isEmpty())
        return SDL_SetError("%s", refusal_.constData());
    requests_.append(request);
    if (listener_)
        listener_(request);
    return 0;
}

QStringList VirtualJoystick::requests() const
{
    const std::lock_guard lock(requestsMutex_);
    return requests_;
}

void VirtualJoystick::onRequest(std::function<void(const QString &)> listener)
{
    const std::lock_guard lock(requestsMutex_);
    listener_ = std::move(listener);
}

void VirtualJoystick::refuseRequests(const char *reason)
{
    const std::lock_guard lock(requestsMutex_);
    refusal_ = reason;
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
