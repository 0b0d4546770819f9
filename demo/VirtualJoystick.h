#pragma once

#include <QByteArray>

#include <SDL.h>

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

    // The game input manager refreshes SDL's state at most once a millisecond;
    // waiting this long after setting values makes the next read see them.
    static void settle();

    // How many joysticks SDL sees that no test attached.
    static int hostJoystickCount();

private:
    QByteArray name_;
    SDL_Joystick *joystick_ = nullptr;
    SDL_JoystickID instanceId_ = -1;
};
