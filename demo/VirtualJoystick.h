#pragma once

#include <QByteArray>
#include <QStringList>

#include <SDL.h>

#include <functional>
#include <mutex>

// An SDL virtual joystick for as long as the object lives: it shows up in the
// game input manager like a plugged-in pad, and its owner sets its state. The
// demo pad plays a script on one; tests drive them by hand.
class VirtualJoystick {
public:
    struct Layout {
        QByteArray name;
        int axes = 0;
        int buttons = 0;
        int hats = 0;
        bool gameController = false;
        Uint16 vendor = 0;
        Uint16 product = 0;
        // Rumble motors, trigger rumble motors and a light, which take
        // requests.
        bool outputs = false;
    };

    explicit VirtualJoystick(const Layout &layout);
    ~VirtualJoystick();
    VirtualJoystick(const VirtualJoystick &) = delete;
    VirtualJoystick &operator=(const VirtualJoystick &) = delete;

    bool isAttached() const { return joystick_ != nullptr; }
    // The pad as SDL last read it, which programs reading it share.
    SDL_Joystick *joystick() const { return joystick_; }
    void setAxis(int axis, Sint16 value);
    void setButton(int button, bool pressed);
    void setHat(int hat, Uint8 value);
    // Unplugs the pad while the test goes on.
    void detach();

    // What the pad was asked, oldest first: "rumble 65535 0", "triggers 0
    // 65535", "light 255 0 0". SDL asks from whichever thread updates it.
    QStringList requests() const;
    // Called with each request as it comes, on that thread.
    void onRequest(std::function<void(const QString &)> listener);
    // From now on the pad refuses every request, giving `reason`.
    void refuseRequests(const char *reason);

    // The game input manager refreshes SDL's state at most once a millisecond;
    // waiting this long after setting values makes the next read see them.
    static void settle();

    // How many joysticks SDL sees that no test attached.
    static int hostJoystickCount();

private:
    static int rumble(void *pad, Uint16 low, Uint16 high);
    static int rumbleTriggers(void *pad, Uint16 left, Uint16 right);
    static int setLight(void *pad, Uint8 red, Uint8 green, Uint8 blue);
    int request(const QString &request);

    mutable std::mutex requestsMutex_;
    QStringList requests_;
    std::function<void(const QString &)> listener_;
    QByteArray refusal_;
    QByteArray name_;
    SDL_Joystick *joystick_ = nullptr;
    SDL_JoystickID instanceId_ = -1;
};
