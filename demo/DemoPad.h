#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <SDL.h>

class QTimer;

// An SDL virtual game controller, "Quillomat Demo Pad", that moves by itself
// through the demo script, driven by a timer on the UI thread. It appears to
// the program like any pad plugged in before start.
class DemoPad final : public QObject {
    Q_OBJECT

public:
    static constexpr const char *name = "Quillomat Demo Pad";

    explicit DemoPad(QObject *parent = nullptr);
    ~DemoPad() override;

    bool isAttached() const { return joystick_ != nullptr; }

private:
    void step();

    SDL_Joystick *joystick_ = nullptr;
    SDL_JoystickID instanceId_ = -1;
    QTimer *timer_ = nullptr;
    QElapsedTimer clock_;
};
