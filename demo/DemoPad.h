#pragma once

#include "VirtualJoystick.h"

#include <QElapsedTimer>
#include <QObject>

#include <optional>

class QTimer;

// An SDL virtual game controller, "Quillomat Demo Pad", that moves by itself
// through the demo script, driven by a timer on the UI thread. It appears to
// the program like any pad plugged in.
class DemoPad final : public QObject {
    Q_OBJECT

public:
    static constexpr const char *name = "Quillomat Demo Pad";

    explicit DemoPad(QObject *parent = nullptr);

    void plugIn();
    bool isAttached() const { return pad_ && pad_->isAttached(); }

private:
    void step();

    std::optional<VirtualJoystick> pad_;
    QTimer *timer_ = nullptr;
    QElapsedTimer clock_;
};
