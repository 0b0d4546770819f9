#pragma once

#include "base/GameInput.h"

#include <QPixmap>
#include <QStaticText>
#include <QWidget>

#include <cstdint>
#include <vector>

// The pictures of the Device window. Each is a readout: the keyboard reaches
// it, and a screen reader reads it by its name and by its reading, in words,
// as it is at that moment. Each takes its state through show(), which
// repaints and returns true only when the state changed.
class Readout : public QWidget {
    Q_OBJECT

public:
    Readout(const QString &name, QWidget *parent);
    virtual QString reading() const = 0;

protected:
    // The focus ring, in the theme's highlight colour.
    void paintFocus(QPainter &painter) const;
};

// A stick: the circle of full deflection, the outline of the farthest
// positions reached, and the present position.
class StickView final : public Readout {
    Q_OBJECT

public:
    StickView(const QString &name, QWidget *parent);
    bool show(const GameInputStick &stick);
    // The figures, one a line, as the window shows them and a screen
    // reader reads them.
    QStringList figures() const;
    QString reading() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GameInputStick stick_;
    // The picture but for the present position, drawn again only when the
    // outline changes.
    QPixmap picture_;
};

// An axis as a bar over its whole scale: the range reached and the present
// value.
class AxisBar final : public Readout {
    Q_OBJECT

public:
    AxisBar(const QString &name, QWidget *parent);
    bool show(std::int32_t now, double minimum, double maximum);
    QString reading() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::int32_t now_ = 0;
    double minimum_ = 0;
    double maximum_ = 0;
};

// A button as a lamp, lit while pressed, ringed once it has been pressed.
class ButtonLamp final : public Readout {
    Q_OBJECT

public:
    ButtonLamp(const QString &name, int number, QWidget *parent);
    bool show(bool pressed, bool pressedBefore);
    QString reading() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStaticText number_;
    bool pressed_ = false;
    bool pressedBefore_ = false;
};

// A hat as a cross of its four directions: lit where it points, ringed
// where it has pointed.
class HatCross final : public Readout {
    Q_OBJECT

public:
    HatCross(const QString &name, QWidget *parent);
    bool show(std::uint32_t now, std::uint32_t seen);
    QString reading() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::uint32_t now_ = 0;
    std::uint32_t seen_ = 0;
};

// A reading in words, shown as its name and the reading.
class TextReadout final : public Readout {
    Q_OBJECT

public:
    TextReadout(const QString &name, QWidget *parent);
    bool show(const QString &reading);
    QString reading() const override { return reading_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString reading_;
};

// A touchpad as a rectangle, with a circle for each finger on it, the
// larger the harder it presses.
class TouchpadView final : public Readout {
    Q_OBJECT

public:
    TouchpadView(const QString &name, QWidget *parent);
    bool show(const std::vector<GameInputFinger> &fingers);
    QString reading() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<GameInputFinger> fingers_;
};
