#pragma once

#include <QProxyStyle>

// The desktop's style, with a ring around the control that has the keyboard
// focus: Qt's Fusion style marks none on buttons, popups and check boxes, so
// someone working by keyboard cannot see where a key will land.
class FocusRingStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
};
