#include "app/FocusRingStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace {

void drawFocusRing(const QStyleOption *option, QPainter *painter)
{
    if (!(option->state & QStyle::State_HasFocus))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
    painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 3);
    painter->restore();
}

} // namespace

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // Buttons and check boxes, and the frame of the element list.
    if (element == CE_PushButton || element == CE_CheckBox || element == CE_ShapedFrame)
        drawFocusRing(option, painter);
}

void FocusRingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                        QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox)
        drawFocusRing(option, painter);
}
