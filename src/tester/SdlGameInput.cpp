#include "tester/SdlGameInput.h"

#include "base/MotionGauge.h"
#include "tester/StickGauge.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <numbers>
#include <span>
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

// What a game-controller mapping says each raw joystick element is, and
// which axes are the left and the right stick's (-1: none).
struct ControllerNames {
    std::vector<QString> axes;
    std::vector<QString> buttons;
    std::vector<QString> hats;
    bool mapped = false;
    std::array<int, SDL_CONTROLLER_AXIS_TRIGGERLEFT> stickAxes{-1, -1, -1, -1};
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
    names.mapped = true;
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis) {
        const auto controllerAxis = static_cast<SDL_GameControllerAxis>(axis);
        const SDL_GameControllerButtonBind bind =
            SDL_GameControllerGetBindForAxis(controller, controllerAxis);
        nameBoundElement(names, bind, controllerAxisName(controllerAxis));
        if (axis < SDL_CONTROLLER_AXIS_TRIGGERLEFT &&
            bind.bindType == SDL_CONTROLLER_BINDTYPE_AXIS && bind.value.axis >= 0 &&
            bind.value.axis < axes)
            names.stickAxes[static_cast<std::size_t>(axis)] = bind.value.axis;
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

// The controller types SDL recognises, by the names people know them by.
QString controllerTypeName(SDL_GameControllerType type)
{
    switch (type) {
    case SDL_CONTROLLER_TYPE_XBOX360:
        return QStringLiteral("Xbox 360");
    case SDL_CONTROLLER_TYPE_XBOXONE:
        return QStringLiteral("Xbox One");
    case SDL_CONTROLLER_TYPE_PS3:
        return QStringLiteral("PS3");
    case SDL_CONTROLLER_TYPE_PS4:
        return QStringLiteral("PS4");
    case SDL_CONTROLLER_TYPE_PS5:
        return QStringLiteral("PS5");
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
        return QStringLiteral("Switch Pro");
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
        return QStringLiteral("Joy-Con (L)");
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
        return QStringLiteral("Joy-Con (R)");
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
        return QStringLiteral("Joy-Con pair");
    case SDL_CONTROLLER_TYPE_AMAZON_LUNA:
        return QStringLiteral("Amazon Luna");
    case SDL_CONTROLLER_TYPE_GOOGLE_STADIA:
        return QStringLiteral("Google Stadia");
    case SDL_CONTROLLER_TYPE_NVIDIA_SHIELD:
        return QStringLiteral("NVIDIA Shield");
    case SDL_CONTROLLER_TYPE_VIRTUAL:
        return QStringLiteral("virtual");
    default:
        return {};
    }
}

// Nothing after a request SDL did (`result` 0), else why it did not.
template <typename Call> QString failure(Call request)
{
    SDL_ClearError();
    if (request() == 0)
        return {};
    const QString reason = QString::fromUtf8(SDL_GetError());
    return reason.isEmpty() ? QStringLiteral("no reason given") : reason;
}

// The colours SDL's drivers and the kernel's give PlayStation light bars by
// player number: the light of a pad nobody set.
constexpr std::array<std::array<Uint8, 3>, 4> playerColours{
    {{0x00, 0x00, 0x40}, {0x40, 0x00, 0x00}, {0x00, 0x40, 0x00}, {0x20, 0x00, 0x20}}};

// The motion and touch events the adapter reads, with the joystick's.
constexpr std::array<Uint32, 4> controllerEvents{
    SDL_CONTROLLERTOUCHPADDOWN, SDL_CONTROLLERTOUCHPADMOTION, SDL_CONTROLLERTOUCHPADUP,
    SDL_CONTROLLERSENSORUPDATE};

QString elementName(const char *kind, int index, const QString &controllerName)
{
    QString name = QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(index);
    if (!controllerName.isEmpty())
        name += QStringLiteral(" (%1)").arg(controllerName);
    return name;
}

} // namespace

class SdlGameInputElement final : public GameInputElement {
public:
    enum class Type { Axis, Button, Hat };

    SdlGameInputElement(SdlGameInputDevice *device, Type kind, int index, QString name,
                        std::int32_t value)
        : device_(device)
        , kind_(kind)
        , index_(index)
        , name_(std::move(name))
        , last_(value)
        , lowest_(value)
        , highest_(value)
    {}

    QString Name() const override { return name_; }
    GameInputKind Kind() const override
    {
        return kind_ == Type::Axis     ? GameInputKind::Axis
               : kind_ == Type::Button ? GameInputKind::Button
                                       : GameInputKind::Hat;
    }
    std::int32_t Value() const override;
    GameInputSample Sample() override;

    // Takes in a value the device reported.
    void fold(std::int32_t value)
    {
        last_ = value;
        lowest_ = std::min(lowest_, value);
        highest_ = std::max(highest_, value);
        bits_ |= static_cast<std::uint32_t>(value);
    }

private:
    // SDL's present state while the device is plugged in; the last value seen
    // while it is away.
    std::int32_t present() const;

    SdlGameInputDevice *device_;
    Type kind_;
    int index_;
    QString name_;
    mutable std::int32_t last_;
    std::int32_t lowest_;
    std::int32_t highest_;
    std::uint32_t bits_ = 0;
};

class SdlGameInputDevice final : public GameInputDevice {
public:
    using Type = SdlGameInputElement::Type;

    SdlGameInputDevice(SdlGameInputManager *manager, int deviceIndex, QByteArray sdlName)
        : manager_(manager)
        , instanceId_(SDL_JoystickGetDeviceInstanceID(deviceIndex))
        , guid_(SDL_JoystickGetDeviceGUID(deviceIndex))
        , sdlName_(std::move(sdlName))
        , name_(QString::fromUtf8(sdlName_))
    {
        identity_.vendorId = SDL_JoystickGetDeviceVendor(deviceIndex);
        identity_.productId = SDL_JoystickGetDeviceProduct(deviceIndex);
        identity_.productVersion = SDL_JoystickGetDeviceProductVersion(deviceIndex);
        char guid[33];
        SDL_JoystickGetGUIDString(guid_, guid, sizeof guid);
        identity_.guid = QString::fromLatin1(guid);
        identity_.controllerType = controllerTypeName(SDL_GameControllerTypeForIndex(deviceIndex));
        if (char *mapping = SDL_GameControllerMappingForDeviceIndex(deviceIndex)) {
            identity_.mapping = QString::fromUtf8(mapping);
            SDL_free(mapping);
        }
    }

    ~SdlGameInputDevice() override
    {
        elements_.clear();
        close();
    }

    GameInputIdentity Identity() const override
    {
        GameInputIdentity identity = identity_;
        SDL_Joystick *joystick = liveJoystick();
        if (!joystick)
            return identity;
        identity.firmwareVersion = SDL_JoystickGetFirmwareVersion(joystick);
        if (const char *serial = SDL_JoystickGetSerial(joystick))
            identity.serial = QString::fromUtf8(serial);
        using Battery = GameInputIdentity::Battery;
        const SDL_JoystickPowerLevel power = SDL_JoystickCurrentPowerLevel(joystick);
        identity.connection =
            power == SDL_JOYSTICK_POWER_UNKNOWN ? GameInputIdentity::Connection::Unknown
            : power == SDL_JOYSTICK_POWER_WIRED ? GameInputIdentity::Connection::Wired
                                                : GameInputIdentity::Connection::Wireless;
        identity.battery = power == SDL_JOYSTICK_POWER_EMPTY    ? Battery::Empty
                           : power == SDL_JOYSTICK_POWER_LOW    ? Battery::Low
                           : power == SDL_JOYSTICK_POWER_MEDIUM ? Battery::Medium
                           : power == SDL_JOYSTICK_POWER_FULL   ? Battery::Full
                                                                : Battery::Unknown;
        return identity;
    }

    GameInputOutputs Outputs() override
    {
        SDL_Joystick *joystick = liveJoystick();
        if (!joystick)
            return {};
        return {SDL_JoystickHasRumble(joystick) == SDL_TRUE,
                SDL_JoystickHasRumbleTriggers(joystick) == SDL_TRUE,
                SDL_JoystickHasLED(joystick) == SDL_TRUE};
    }

    QString Rumble(std::uint16_t lowFrequency, std::uint16_t highFrequency,
                   std::uint32_t milliseconds) override
    {
        SDL_Joystick *joystick = liveJoystick();
        return joystick ? failure([=] {
            return SDL_JoystickRumble(joystick, lowFrequency, highFrequency, milliseconds);
        })
                        : unpluggedText();
    }

    QString RumbleTriggers(std::uint16_t left, std::uint16_t right,
                           std::uint32_t milliseconds) override
    {
        SDL_Joystick *joystick = liveJoystick();
        return joystick ? failure([=] {
            return SDL_JoystickRumbleTriggers(joystick, left, right, milliseconds);
        })
                        : unpluggedText();
    }

    QString SetLight(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override
    {
        SDL_Joystick *joystick = liveJoystick();
        if (!joystick)
            return unpluggedText();
        const QString refused =
            failure([=] { return SDL_JoystickSetLED(joystick, red, green, blue); });
        lightSet_ = lightSet_ || refused.isEmpty();
        return refused;
    }

    // SDL cannot tell what a light shows. Until a colour is set here, it
    // shows what its driver gave it: for a PlayStation pad, the colour of its
    // player number, which it gets back.
    void RestoreLight() override
    {
        SDL_Joystick *joystick = liveJoystick();
        if (!lightSet_ || !joystick)
            return;
        lightSet_ = false;
        // A pad without a player number shows the first player's colour.
        const int player = std::max(0, SDL_JoystickGetPlayerIndex(joystick));
        const auto &colour = playerColours[static_cast<std::size_t>(player) % playerColours.size()];
        SDL_JoystickSetLED(joystick, colour[0], colour[1], colour[2]);
    }

    void Watch(bool watched) override
    {
        watched_ = watched;
        followWatching();
    }

    bool ReadMotion(GameInputMotion &motion) override
    {
        manager_->refresh();
        if (!controller_)
            return false;
        motion.gyroscope = SDL_GameControllerHasSensor(controller_, SDL_SENSOR_GYRO);
        motion.accelerometer = SDL_GameControllerHasSensor(controller_, SDL_SENSOR_ACCEL);
        motion_.read(motion);
        return motion.gyroscope || motion.accelerometer;
    }

    std::int32_t TouchpadCount() override
    {
        return controller_ ? std::max(0, SDL_GameControllerGetNumTouchpads(controller_)) : 0;
    }

    bool ReadTouchpad(std::int32_t index, std::vector<GameInputFinger> &fingers) override
    {
        manager_->refresh();
        if (index < 0 || index >= TouchpadCount())
            return false;
        auto &touchpad = touchpads_[index];
        auto &touching = touching_[index];
        const auto count = static_cast<std::size_t>(std::clamp(
            SDL_GameControllerGetNumTouchpadFingers(controller_, index), 0, mostFingers));
        touchpad.resize(count);
        touching.resize(count);
        fingers = touchpad;
        // A finger that left since the last read was shown once; now it is up.
        for (std::size_t finger = 0; finger < count; ++finger)
            touchpad[finger].down = touching[finger];
        return true;
    }

    // A sensor's report, in SDL's units.
    void sensed(int sensor, const float *data, std::uint32_t ms)
    {
        constexpr float degreesPerRadian = 180 / std::numbers::pi_v<float>;
        constexpr float metresPerSecondSquaredPerG = 9.80665f;
        if (sensor == SDL_SENSOR_GYRO)
            motion_.reportRotation({data[0] * degreesPerRadian, data[1] * degreesPerRadian,
                                    data[2] * degreesPerRadian},
                                   ms);
        else if (sensor == SDL_SENSOR_ACCEL)
            motion_.reportAcceleration({data[0] / metresPerSecondSquaredPerG,
                                        data[1] / metresPerSecondSquaredPerG,
                                        data[2] / metresPerSecondSquaredPerG},
                                       ms);
    }

    // A finger's report: down, moved or up.
    void touched(const SDL_ControllerTouchpadEvent &event)
    {
        if (event.touchpad < 0 || event.finger < 0 || event.finger >= mostFingers)
            return;
        auto &touchpad = touchpads_[event.touchpad];
        auto &touching = touching_[event.touchpad];
        const auto finger = static_cast<std::size_t>(event.finger);
        if (touchpad.size() <= finger)
            touchpad.resize(finger + 1);
        if (touching.size() <= finger)
            touching.resize(finger + 1);
        const bool up = event.type == SDL_CONTROLLERTOUCHPADUP;
        touching[finger] = !up;
        // Down until the next read, even if it has left already.
        touchpad[finger] = {true, std::clamp(event.x, 0.0f, 1.0f), std::clamp(event.y, 0.0f, 1.0f),
                            std::clamp(event.pressure, 0.0f, 1.0f)};
    }

    SdlGameInputDevice(const SdlGameInputDevice &) = delete;
    SdlGameInputDevice &operator=(const SdlGameInputDevice &) = delete;

    QString Name() const override { return name_; }
    bool Connected() const override { return connected_; }

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

    SdlGameInputManager *manager() const { return manager_; }
    SDL_JoystickID instanceId() const { return instanceId_; }
    const QByteArray &sdlName() const { return sdlName_; }
    bool isOpen() const { return joystick_ != nullptr; }

    // The same device as SDL's device `index`: the same name and the same
    // bus, vendor, product and version.
    bool isSameDeviceAs(int index) const
    {
        const SDL_JoystickGUID guid = SDL_JoystickGetDeviceGUID(index);
        return std::equal(std::begin(guid.data), std::end(guid.data), std::begin(guid_.data));
    }

    // The joystick of SDL's live state, while the device is plugged in.
    SDL_Joystick *liveJoystick() const
    {
        return joystick_ && SDL_JoystickGetAttached(joystick_) ? joystick_ : nullptr;
    }

    // How many elements of a kind the plugged-in device has now; a device
    // plugged in again may say otherwise than when its elements were listed.
    int liveCount(Type kind) const { return liveCounts_[static_cast<int>(kind)]; }

    std::int32_t StickCount() override
    {
        open();
        return static_cast<std::int32_t>(sticks_.size());
    }

    bool ReadStick(std::int32_t index, GameInputStick &stick) override
    {
        manager_->refresh();
        if (index < 0 || static_cast<std::size_t>(index) >= sticks_.size())
            return false;
        const Stick &own = sticks_[static_cast<std::size_t>(index)];
        stick.side = own.side;
        stick.xElement = own.xAxis;
        stick.yElement = own.yAxis;
        own.gauge.read(stick);
        return true;
    }

    void ClearStick(std::int32_t index) override
    {
        manager_->refresh();
        if (index >= 0 && static_cast<std::size_t>(index) < sticks_.size())
            sticks_[static_cast<std::size_t>(index)].gauge.clear(SDL_GetTicks());
    }

    // Takes in a value the device reported at `ms`, SDL's clock.
    void fold(Type kind, int index, std::int32_t value, std::uint32_t ms)
    {
        if (index >= layoutCounts_[static_cast<int>(kind)])
            return;
        elements_[static_cast<std::size_t>(firstOf(kind) + index)]->fold(value);
        if (kind != Type::Axis)
            return;
        for (Stick &stick : sticks_) {
            if (index == stick.xAxis || index == stick.yAxis)
                stick.gauge.report(index == stick.xAxis, static_cast<std::int16_t>(value), ms);
        }
    }

    // Once SDL's queue is drained: where the sticks rest.
    void settleSticks(std::uint32_t nowMs)
    {
        for (Stick &stick : sticks_)
            stick.gauge.settle(nowMs);
    }

    void unplugged()
    {
        connected_ = false;
        close();
    }

    void pluggedIn(SDL_JoystickID instanceId)
    {
        instanceId_ = instanceId;
        connected_ = true;
        if (!elements_.empty())
            open();
        followWatching();
    }

private:
    int firstOf(Type kind) const
    {
        return kind == Type::Axis     ? 0
               : kind == Type::Button ? layoutCounts_[0]
                                      : layoutCounts_[0] + layoutCounts_[1];
    }

    // SDL's device indexes shift when devices come and go; the instance id
    // stays while the device is plugged in.
    int currentDeviceIndex() const
    {
        const int count = SDL_NumJoysticks();
        for (int index = 0; index < count; ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == instanceId_)
                return index;
        }
        return -1;
    }

    void open();

    void close()
    {
        closeController();
        if (joystick_)
            SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }

    static QString unpluggedText() { return QStringLiteral("the device is unplugged"); }
    // A device says how many fingers its touchpads tell apart: no more than this.
    static constexpr int mostFingers = 16;

    // While watched and plugged in, the game controller is open with its
    // sensors on, so that they and the touchpads report.
    void followWatching()
    {
        if (!watched_ || !connected_) {
            closeController();
            return;
        }
        const int deviceIndex = currentDeviceIndex();
        if (controller_ || deviceIndex < 0 || !SDL_IsGameController(deviceIndex))
            return;
        controller_ = SDL_GameControllerOpen(deviceIndex);
        if (!controller_)
            return;
        bool reports = SDL_GameControllerGetNumTouchpads(controller_) > 0;
        for (const SDL_SensorType sensor : {SDL_SENSOR_GYRO, SDL_SENSOR_ACCEL}) {
            if (SDL_GameControllerHasSensor(controller_, sensor)) {
                SDL_GameControllerSetSensorEnabled(controller_, sensor, SDL_TRUE);
                reports = true;
            }
        }
        // An open game controller costs SDL work at every report: kept only
        // where it has something to tell.
        if (!reports)
            closeController();
    }

    void closeController()
    {
        if (!controller_)
            return;
        for (const SDL_SensorType sensor : {SDL_SENSOR_GYRO, SDL_SENSOR_ACCEL}) {
            if (SDL_GameControllerHasSensor(controller_, sensor))
                SDL_GameControllerSetSensorEnabled(controller_, sensor, SDL_FALSE);
        }
        SDL_GameControllerClose(controller_);
        controller_ = nullptr;
    }

    SdlGameInputManager *manager_;
    SDL_JoystickID instanceId_;
    SDL_JoystickGUID guid_;
    QByteArray sdlName_;
    QString name_;
    GameInputIdentity identity_;
    bool connected_ = true;
    SDL_Joystick *joystick_ = nullptr;
    // The light was set here, and may need giving back.
    bool lightSet_ = false;
    bool watched_ = false;
    SDL_GameController *controller_ = nullptr;
    MotionGauge motion_;
    // Each touchpad's fingers as last reported, and which touch it now.
    std::map<int, std::vector<GameInputFinger>> touchpads_;
    std::map<int, std::vector<bool>> touching_;
    // Axes, buttons and hats: as the elements were listed, and as now.
    std::array<int, 3> layoutCounts_{};
    std::array<int, 3> liveCounts_{};
    std::vector<std::unique_ptr<SdlGameInputElement>> elements_;
    struct Stick {
        GameInputStick::Side side;
        int xAxis;
        int yAxis;
        StickGauge gauge;
    };
    std::vector<Stick> sticks_;
};

std::int32_t SdlGameInputElement::present() const
{
    SDL_Joystick *joystick = device_->liveJoystick();
    if (!joystick || index_ >= device_->liveCount(kind_))
        return last_;
    switch (kind_) {
    case Type::Axis:
        last_ = SDL_JoystickGetAxis(joystick, index_);
        break;
    case Type::Button:
        last_ = SDL_JoystickGetButton(joystick, index_);
        break;
    case Type::Hat:
        last_ = SDL_JoystickGetHat(joystick, index_);
        break;
    }
    return last_;
}

std::int32_t SdlGameInputElement::Value() const
{
    device_->manager()->refresh();
    return present();
}

GameInputSample SdlGameInputElement::Sample()
{
    device_->manager()->refresh();
    fold(present());
    const GameInputSample sample{lowest_, last_, highest_, bits_};
    lowest_ = highest_ = last_;
    bits_ = static_cast<std::uint32_t>(last_);
    return sample;
}

void SdlGameInputDevice::open()
{
    if (joystick_ || !connected_)
        return;
    const int deviceIndex = currentDeviceIndex();
    if (deviceIndex < 0)
        return;
    joystick_ = SDL_JoystickOpen(deviceIndex);
    if (!joystick_)
        return;
    liveCounts_ = {std::max(0, SDL_JoystickNumAxes(joystick_)),
                   std::max(0, SDL_JoystickNumButtons(joystick_)),
                   std::max(0, SDL_JoystickNumHats(joystick_))};
    manager_->followPumping();
    if (!elements_.empty())
        return;

    layoutCounts_ = liveCounts_;
    const auto [axes, buttons, hats] = layoutCounts_;
    const ControllerNames names = controllerNames(deviceIndex, axes, buttons, hats);
    for (int axis = 0; axis < axes; ++axis)
        elements_.push_back(std::make_unique<SdlGameInputElement>(
            this, Type::Axis, axis, elementName("Axis", axis, names.axes[axis]),
            SDL_JoystickGetAxis(joystick_, axis)));
    for (int button = 0; button < buttons; ++button)
        elements_.push_back(std::make_unique<SdlGameInputElement>(
            this, Type::Button, button, elementName("Button", button, names.buttons[button]),
            SDL_JoystickGetButton(joystick_, button)));
    for (int hat = 0; hat < hats; ++hat)
        elements_.push_back(std::make_unique<SdlGameInputElement>(
            this, Type::Hat, hat, elementName("Hat", hat, names.hats[hat]),
            SDL_JoystickGetHat(joystick_, hat)));

    // The sticks the mapping names; without one, axes 0 and 1, then 2 and 3.
    const auto addStick = [this, axes](GameInputStick::Side side, int xAxis, int yAxis) {
        if (xAxis >= 0 && yAxis >= 0 && xAxis < axes && yAxis < axes && xAxis != yAxis)
            sticks_.push_back({side, xAxis, yAxis,
                               StickGauge(SDL_JoystickGetAxis(joystick_, xAxis),
                                          SDL_JoystickGetAxis(joystick_, yAxis), SDL_GetTicks())});
    };
    const auto &mapped = names.stickAxes;
    using Side = GameInputStick::Side;
    addStick(names.mapped ? Side::Left : Side::Unnamed, names.mapped ? mapped[0] : 0,
             names.mapped ? mapped[1] : 1);
    addStick(names.mapped ? Side::Right : Side::Unnamed, names.mapped ? mapped[2] : 2,
             names.mapped ? mapped[3] : 3);
}

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
    // Every change a device reports comes as a joystick event, so that none
    // is lost between two samples; the game-controller layer's events would
    // only repeat them.
    SDL_GameControllerEventState(SDL_IGNORE);
    SDL_JoystickEventState(SDL_ENABLE);
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED);
    // But for the motion sensors and touchpads, which have no joystick events.
    for (const Uint32 type : controllerEvents)
        SDL_EventState(type, SDL_ENABLE);

    std::unique_ptr<SdlGameInputManager> manager(new SdlGameInputManager);
    manager->followDevices();
    return manager;
}

SdlGameInputManager::~SdlGameInputManager()
{
    stopPumping();
    devices_.clear();
    // Nobody reads SDL's events any more: keep them from piling up.
    SDL_JoystickEventState(SDL_IGNORE);
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED);
    for (const Uint32 type : controllerEvents)
        SDL_EventState(type, SDL_IGNORE);
    SDL_FlushEvents(controllerEvents.front(), controllerEvents.back());
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

std::int32_t SdlGameInputManager::DeviceCount()
{
    refresh();
    return static_cast<std::int32_t>(devices_.size());
}

GameInputDevice *SdlGameInputManager::Device(std::int32_t deviceIndex)
{
    if (deviceIndex < 0 || static_cast<std::size_t>(deviceIndex) >= devices_.size())
        return nullptr;
    return devices_[static_cast<std::size_t>(deviceIndex)].get();
}

void SdlGameInputManager::refresh()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - lastRefresh_ < std::chrono::milliseconds(1))
        return;
    lastRefresh_ = now;
    SDL_JoystickUpdate();
    drainEvents();
}

void SdlGameInputManager::drainEvents()
{
    using Type = SdlGameInputElement::Type;
    const auto fold = [this](const auto &event, Type kind, int index, std::int32_t value) {
        if (SdlGameInputDevice *device = reportingDevice(event.which))
            device->fold(kind, index, value, event.timestamp);
    };
    SDL_Event events[128];
    bool devicesChanged = false;
    int count = 0;
    while ((count = SDL_PeepEvents(events, std::size(events), SDL_GETEVENT, SDL_JOYAXISMOTION,
                                   SDL_JOYBATTERYUPDATED)) > 0) {
        for (const SDL_Event &event : std::span(events, static_cast<std::size_t>(count))) {
            switch (event.type) {
            case SDL_JOYAXISMOTION:
                fold(event.jaxis, Type::Axis, event.jaxis.axis, event.jaxis.value);
                break;
            case SDL_JOYBUTTONDOWN:
            case SDL_JOYBUTTONUP:
                fold(event.jbutton, Type::Button, event.jbutton.button, event.jbutton.state);
                break;
            case SDL_JOYHATMOTION:
                fold(event.jhat, Type::Hat, event.jhat.hat, event.jhat.value);
                break;
            case SDL_JOYDEVICEADDED:
            case SDL_JOYDEVICEREMOVED:
                devicesChanged = true;
                break;
            default:
                break;
            }
        }
    }
    while ((count = SDL_PeepEvents(events, std::size(events), SDL_GETEVENT,
                                   controllerEvents.front(), controllerEvents.back())) > 0) {
        for (const SDL_Event &event : std::span(events, static_cast<std::size_t>(count))) {
            if (event.type == SDL_CONTROLLERSENSORUPDATE) {
                if (SdlGameInputDevice *device = reportingDevice(event.csensor.which))
                    device->sensed(event.csensor.sensor, event.csensor.data,
                                   event.csensor.timestamp);
            } else if (SdlGameInputDevice *device = reportingDevice(event.ctouchpad.which)) {
                device->touched(event.ctouchpad);
            }
        }
    }
    const std::uint32_t now = SDL_GetTicks();
    for (const auto &device : devices_)
        device->settleSticks(now);
    if (devicesChanged)
        followDevices();
}

SdlGameInputDevice *SdlGameInputManager::reportingDevice(SDL_JoystickID instanceId) const
{
    for (const auto &device : devices_) {
        // A device SDL has already let go of reports its recentring, not the
        // user's hand: its elements keep the last values seen.
        if (device->instanceId() == instanceId)
            return device->liveJoystick() ? device.get() : nullptr;
    }
    return nullptr;
}

void SdlGameInputManager::followDevices()
{
    const int count = SDL_NumJoysticks();
    std::vector<SDL_JoystickID> present(static_cast<std::size_t>(std::max(0, count)));
    for (int index = 0; index < count; ++index)
        present[static_cast<std::size_t>(index)] = SDL_JoystickGetDeviceInstanceID(index);
    const auto isPresent = [&present](SDL_JoystickID instanceId) {
        return std::find(present.begin(), present.end(), instanceId) != present.end();
    };

    for (const auto &device : devices_) {
        if (device->Connected() && !isPresent(device->instanceId()))
            device->unplugged();
    }
    for (int index = 0; index < count; ++index) {
        const SDL_JoystickID instanceId = present[static_cast<std::size_t>(index)];
        const auto known = std::find_if(devices_.begin(), devices_.end(), [&](const auto &device) {
            return device->Connected() && device->instanceId() == instanceId;
        });
        if (known != devices_.end())
            continue;
        const char *name = SDL_JoystickNameForIndex(index);
        const QByteArray sdlName(name ? name : "");
        // A device plugged in again takes its place back, elements and all.
        const auto back = std::find_if(devices_.begin(), devices_.end(), [&](const auto &device) {
            return !device->Connected() && device->sdlName() == sdlName &&
                   device->isSameDeviceAs(index);
        });
        if (back != devices_.end()) {
            (*back)->pluggedIn(instanceId);
            continue;
        }
        devices_.push_back(std::make_unique<SdlGameInputDevice>(this, index, sdlName));
    }
    followPumping();
}

void SdlGameInputManager::followPumping()
{
    const bool needed = std::any_of(devices_.begin(), devices_.end(),
                                    [](const auto &device) { return device->isOpen(); });
    if (!needed)
        stopPumping();
    else if (!pump_.joinable())
        pump_ = std::thread([this] {
            std::unique_lock lock(pumpMutex_);
            while (!pumpStop_.wait_for(lock, std::chrono::milliseconds(pumpInterval),
                                       [this] { return stopPump_; })) {
                lock.unlock();
                SDL_JoystickUpdate();
                lock.lock();
            }
        });
}

void SdlGameInputManager::stopPumping()
{
    if (!pump_.joinable())
        return;
    {
        const std::lock_guard lock(pumpMutex_);
        stopPump_ = true;
    }
    pumpStop_.notify_one();
    pump_.join();
    stopPump_ = false;
}
