#include "tester/SdlGameInput.h"

#include <SDL.h>

#include <array>
#include <chrono>
#include <utility>

namespace {

QString controllerAxisName(SDL_GameControllerAxis axis)
{
    switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
        return QStringLiteral("left stick X");
    case SDL_CONTROLLER_AXIS_LEFTY:
        return QStringLiteral("left stick Y");
    case SDL_CONTROLLER_AXIS_RIGHTX:
        return QStringLiteral("right stick X");
    case SDL_CONTROLLER_AXIS_RIGHTY:
        return QStringLiteral("right stick Y");
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
        return QStringLiteral("left trigger");
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
        return QStringLiteral("right trigger");
    default:
        return {};
    }
}

QString controllerButtonName(SDL_GameControllerButton button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return QStringLiteral("A");
    case SDL_CONTROLLER_BUTTON_B:
        return QStringLiteral("B");
    case SDL_CONTROLLER_BUTTON_X:
        return QStringLiteral("X");
    case SDL_CONTROLLER_BUTTON_Y:
        return QStringLiteral("Y");
    case SDL_CONTROLLER_BUTTON_BACK:
        return QStringLiteral("Back");
    case SDL_CONTROLLER_BUTTON_GUIDE:
        return QStringLiteral("Guide");
    case SDL_CONTROLLER_BUTTON_START:
        return QStringLiteral("Start");
    case SDL_CONTROLLER_BUTTON_LEFTSTICK:
        return QStringLiteral("left stick press");
    case SDL_CONTROLLER_BUTTON_RIGHTSTICK:
        return QStringLiteral("right stick press");
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return QStringLiteral("left shoulder");
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return QStringLiteral("right shoulder");
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return QStringLiteral("D-pad up");
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return QStringLiteral("D-pad down");
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return QStringLiteral("D-pad left");
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return QStringLiteral("D-pad right");
    case SDL_CONTROLLER_BUTTON_MISC1:
        return QStringLiteral("Misc");
    case SDL_CONTROLLER_BUTTON_PADDLE1:
        return QStringLiteral("paddle 1");
    case SDL_CONTROLLER_BUTTON_PADDLE2:
        return QStringLiteral("paddle 2");
    case SDL_CONTROLLER_BUTTON_PADDLE3:
        return QStringLiteral("paddle 3");
    case SDL_CONTROLLER_BUTTON_PADDLE4:
        return QStringLiteral("paddle 4");
    case SDL_CONTROLLER_BUTTON_TOUCHPAD:
        return QStringLiteral("touchpad");
    default:
        return {};
    }
}

// What a game-controller mapping says each raw joystick element is.
struct ControllerNames {
    std::vector<QString> axes;
    std::vector<QString> buttons;
    std::vector<QString> hats;
};

void nameBoundElement(ControllerNames &names, const SDL_GameControllerButtonBind &bind,
                      const QString &name)
{
    auto assign = [&name](std::vector<QString> &elementNames, int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < elementNames.size() &&
            elementNames[index].isEmpty())
            elementNames[index] = name;
    };
    switch (bind.bindType) {
    case SDL_CONTROLLER_BINDTYPE_AXIS:
        assign(names.axes, bind.value.axis);
        break;
    case SDL_CONTROLLER_BINDTYPE_BUTTON:
        assign(names.buttons, bind.value.button);
        break;
    case SDL_CONTROLLER_BINDTYPE_HAT:
        assign(names.hats, bind.value.hat.hat);
        break;
    default:
        break;
    }
}

ControllerNames controllerNames(int deviceIndex, int axes, int buttons, int hats)
{
    ControllerNames names{std::vector<QString>(static_cast<std::size_t>(axes)),
                          std::vector<QString>(static_cast<std::size_t>(buttons)),
                          std::vector<QString>(static_cast<std::size_t>(hats))};
    if (!SDL_IsGameController(deviceIndex))
        return names;
    SDL_GameController *controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return names;
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis) {
        const auto controllerAxis = static_cast<SDL_GameControllerAxis>(axis);
        nameBoundElement(names, SDL_GameControllerGetBindForAxis(controller, controllerAxis),
                         controllerAxisName(controllerAxis));
    }
    for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
        const auto controllerButton = static_cast<SDL_GameControllerButton>(button);
        const SDL_GameControllerButtonBind bind =
            SDL_GameControllerGetBindForButton(controller, controllerButton);
        // Hats are usually the D-pad: one hat carries four buttons of the mapping.
        const QString name = bind.bindType == SDL_CONTROLLER_BINDTYPE_HAT
                                 ? QStringLiteral("D-pad")
                                 : controllerButtonName(controllerButton);
        nameBoundElement(names, bind, name);
    }
    SDL_GameControllerClose(controller);
    return names;
}

QString elementName(const char *kind, int index, const QString &controllerName)
{
    QString name = QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(index);
    if (!controllerName.isEmpty())
        name += QStringLiteral(" (%1)").arg(controllerName);
    return name;
}

} // namespace

// Brings SDL's joystick state up to date. SDL refreshes every open joystick
// at once, so the many reads of one sampling pass share one refresh: a value
// is never older than a millisecond, shorter than a USB pad's report period.
class SdlStateRefresher {
public:
    void refresh()
    {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastRefresh_ < std::chrono::milliseconds(1))
            return;
        SDL_JoystickUpdate();
        lastRefresh_ = now;
    }

private:
    // The clock's epoch, long past: the first read refreshes.
    std::chrono::steady_clock::time_point lastRefresh_;
};

class SdlGameInputElement final : public GameInputElement {
public:
    enum class Kind { Axis, Button, Hat };

    SdlGameInputElement(SdlStateRefresher *refresher, SDL_Joystick *joystick, Kind kind, int index,
                        QString name)
        : refresher_(refresher)
        , joystick_(joystick)
        , kind_(kind)
        , index_(index)
        , name_(std::move(name))
    {}

    QString Name() const override { return name_; }

    std::int32_t Value() const override
    {
        // Events are ignored, so SDL's state only moves when asked to. An
        // unplugged joystick stays open and SDL keeps it at rest.
        refresher_->refresh();
        switch (kind_) {
        case Kind::Axis:
            return SDL_JoystickGetAxis(joystick_, index_);
        case Kind::Button:
            return SDL_JoystickGetButton(joystick_, index_);
        case Kind::Hat:
            return SDL_JoystickGetHat(joystick_, index_);
        }
        return 0;
    }

private:
    SdlStateRefresher *refresher_;
    SDL_Joystick *joystick_;
    Kind kind_;
    int index_;
    QString name_;
};

class SdlGameInputDevice final : public GameInputDevice {
public:
    SdlGameInputDevice(SdlStateRefresher *refresher, SDL_JoystickID instanceId, QString name)
        : refresher_(refresher)
        , instanceId_(instanceId)
        , name_(std::move(name))
    {}

    ~SdlGameInputDevice() override
    {
        elements_.clear();
        if (joystick_)
            SDL_JoystickClose(joystick_);
    }

    SdlGameInputDevice(const SdlGameInputDevice &) = delete;
    SdlGameInputDevice &operator=(const SdlGameInputDevice &) = delete;

    QString Name() const override { return name_; }

    std::int32_t ElementCount() override
    {
        open();
        return static_cast<std::int32_t>(elements_.size());
    }

    GameInputElement *Element(std::int32_t index) override
    {
        open();
        if (index < 0 || static_cast<std::size_t>(index) >= elements_.size())
            return nullptr;
        return elements_[static_cast<std::size_t>(index)].get();
    }

private:
    // SDL's device indexes shift when devices come and go, so the device is
    // found again by the instance id it had when the manager listed it.
    int currentDeviceIndex() const
    {
        const int count = SDL_NumJoysticks();
        for (int index = 0; index < count; ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == instanceId_)
                return index;
        }
        return -1;
    }

    void open()
    {
        if (openAttempted_)
            return;
        openAttempted_ = true;
        const int deviceIndex = currentDeviceIndex();
        if (deviceIndex < 0)
            return;
        joystick_ = SDL_JoystickOpen(deviceIndex);
        if (!joystick_)
            return;

        const int axes = std::max(0, SDL_JoystickNumAxes(joystick_));
        const int buttons = std::max(0, SDL_JoystickNumButtons(joystick_));
        const int hats = std::max(0, SDL_JoystickNumHats(joystick_));
        const ControllerNames names = controllerNames(deviceIndex, axes, buttons, hats);

        using Kind = SdlGameInputElement::Kind;
        for (int axis = 0; axis < axes; ++axis)
            elements_.push_back(
                std::make_unique<SdlGameInputElement>(refresher_, joystick_, Kind::Axis, axis,
                                                      elementName("Axis", axis, names.axes[axis])));
        for (int button = 0; button < buttons; ++button)
            elements_.push_back(std::make_unique<SdlGameInputElement>(
                refresher_, joystick_, Kind::Button, button,
                elementName("Button", button, names.buttons[button])));
        for (int hat = 0; hat < hats; ++hat)
            elements_.push_back(std::make_unique<SdlGameInputElement>(
                refresher_, joystick_, Kind::Hat, hat, elementName("Hat", hat, names.hats[hat])));
    }

    SdlStateRefresher *refresher_;
    SDL_JoystickID instanceId_;
    QString name_;
    bool openAttempted_ = false;
    SDL_Joystick *joystick_ = nullptr;
    std::vector<std::unique_ptr<SdlGameInputElement>> elements_;
};

std::unique_ptr<SdlGameInputManager> SdlGameInputManager::create()
{
    // The program owns its signals; SDL must not install handlers for them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Keep reading the devices while another window has the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
#ifdef _WIN32
    SDL_SetHint(SDL_HINT_JOYSTICK_THREAD, "1");
#endif
    // The game-controller layer only lends its mappings for element names.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return nullptr;
    // Nobody reads SDL's event queue: keep it from filling up.
    SDL_GameControllerEventState(SDL_IGNORE);
    SDL_JoystickEventState(SDL_IGNORE);

    std::unique_ptr<SdlGameInputManager> manager(new SdlGameInputManager);
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        const char *name = SDL_JoystickNameForIndex(index);
        manager->devices_.push_back(std::make_unique<SdlGameInputDevice>(
            manager->refresher_.get(), SDL_JoystickGetDeviceInstanceID(index),
            QString::fromUtf8(name ? name : "")));
    }
    return manager;
}

SdlGameInputManager::SdlGameInputManager()
    : refresher_(std::make_unique<SdlStateRefresher>())
{}

SdlGameInputManager::~SdlGameInputManager()
{
    devices_.clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

std::int32_t SdlGameInputManager::DeviceCount() const
{
    return static_cast<std::int32_t>(devices_.size());
}

GameInputDevice *SdlGameInputManager::Device(std::int32_t deviceIndex)
{
    if (deviceIndex < 0 || static_cast<std::size_t>(deviceIndex) >= devices_.size())
        return nullptr;
    return devices_[static_cast<std::size_t>(deviceIndex)].get();
}
