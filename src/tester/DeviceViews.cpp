#include "tester/DeviceViews.h"

#include "base/LocalizedText.h"
#include "base/ValueText.h"
#include "tester/RangeBarDelegate.h"

#include <QAccessibleWidget>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// A screen reader reads a readout's reading as its description, asked for
// when it reads it: nothing is announced at each frame.
class AccessibleReadout final : public QAccessibleWidget {
public:
    explicit AccessibleReadout(Readout *readout)
        : QAccessibleWidget(readout, QAccessible::Graphic)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description)
            return static_cast<const Readout *>(widget())->reading();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleReadout(const QString &, QObject *object)
{
    if (auto *readout = qobject_cast<Readout *>(object))
        return new AccessibleReadout(readout);
    return nullptr;
}

QString percentText(float fraction)
{
    if (fraction < 0)
        return DeviceWindowText::NotMeasuredText.text();
    return QLocale().toString(fraction * 100.0, 'f', 1) + QLocale().percent();
}

QString directionsText(std::uint32_t bits, const LocalizedTextConstant &nothing)
{
    static constexpr const LocalizedTextConstant *directions[] = {
        &DeviceWindowText::UpText, &DeviceWindowText::RightText, &DeviceWindowText::DownText,
        &DeviceWindowText::LeftText};
    QStringList named;
    for (std::size_t bit = 0; bit < std::size(directions); ++bit) {
        if (bits & (1u << bit))
            named << directions[bit]->text();
    }
    return named.isEmpty() ? nothing.text() : named.join(QStringLiteral(", "));
}

QColor colour(const QWidget *widget, QPalette::ColorRole role)
{
    return widget->palette().color(role);
}

// The circle and cross a stick is drawn over: faint, on light and dark
// grounds alike.
QColor guideColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    return QColor::fromRgbF(base.redF() + (text.redF() - base.redF()) * 0.3,
                            base.greenF() + (text.greenF() - base.greenF()) * 0.3,
                            base.blueF() + (text.blueF() - base.blueF()) * 0.3);
}

// Where each whole degree of direction points, through its middle: the
// outline's corners, on a circle of radius 1 (Y upwards).
const std::array<QPointF, 360> &directions()
{
    static const std::array<QPointF, 360> table = [] {
        std::array<QPointF, 360> unit;
        for (std::size_t degree = 0; degree < unit.size(); ++degree) {
            const double angle = (degree + 0.5) * std::numbers::pi / 180;
            unit[degree] = {std::cos(angle), std::sin(angle)};
        }
        return unit;
    }();
    return table;
}

} // namespace

Readout::Readout(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleReadout);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(name);
    setAccessibleName(name);
    setToolTip(name);
    setFocusPolicy(Qt::TabFocus);
}

void Readout::paintFocus(QPainter &painter) const
{
    if (!hasFocus())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour(this, QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

StickView::StickView(const QString &name, QWidget *parent)
    : Readout(name, parent)
{
    // It covers all of itself: nothing under it is drawn again at each frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(200, 200);
}

bool StickView::show(const GameInputStick &stick)
{
    if (stick.x == stick_.x && stick.y == stick_.y && stick.outline == stick_.outline &&
        stick.circularityError == stick_.circularityError &&
        stick.restOffset == stick_.restOffset && stick.reportsPerSecond == stick_.reportsPerSecond)
        return false;
    if (stick.outline != stick_.outline)
        picture_ = QPixmap();
    stick_ = stick;
    update();
    return true;
}

QStringList StickView::figures() const
{
    const auto with = [](const LocalizedTextConstant &text, const QString &value) {
        return text.text().replace(QLatin1String("%VALUE%"), value);
    };
    const QString rate = stick_.reportsPerSecond > 0
                             ? QLocale().toString(std::lround(stick_.reportsPerSecond))
                             : DeviceWindowText::NotMeasuredText.text();
    return {with(DeviceWindowText::CircularityText, percentText(stick_.circularityError)),
            with(DeviceWindowText::RestOffsetText, percentText(stick_.restOffset)),
            with(DeviceWindowText::ReportRateText, rate)};
}

QString StickView::reading() const
{
    return figures().join(QStringLiteral(", "));
}

void StickView::paintEvent(QPaintEvent *)
{
    // Full deflection on both axes at once, a square gate's corner, fits too.
    const double radius = (width() / 2.0 - 4) / std::numbers::sqrt2;
    const QPointF centre = QRectF(rect()).center();
    if (picture_.size() != size() * devicePixelRatioF()) {
        picture_ = QPixmap(size() * devicePixelRatioF());
        picture_.setDevicePixelRatio(devicePixelRatioF());
        picture_.fill(colour(this, QPalette::Base));
        QPainter picture(&picture_);
        picture.setRenderHint(QPainter::Antialiasing);
        picture.setPen(QPen(guideColour(palette()), 1));
        picture.drawLine(QPointF(centre.x() - radius, centre.y()),
                         QPointF(centre.x() + radius, centre.y()));
        picture.drawLine(QPointF(centre.x(), centre.y() - radius),
                         QPointF(centre.x(), centre.y() + radius));
        picture.drawEllipse(centre, radius, radius);
        // The outline through every direction reached, broken where one was
        // not; a direction reached alone shows as a dot.
        QPainterPath outline;
        bool drawing = false;
        for (int direction = 0; direction <= 360; ++direction) {
            const auto index = static_cast<std::size_t>(direction % 360);
            const float reach = stick_.outline[index];
            if (reach <= 0) {
                drawing = false;
                continue;
            }
            const QPointF point =
                centre +
                QPointF(directions()[index].x(), -directions()[index].y()) * (reach * radius);
            if (!drawing)
                outline.moveTo(point);
            outline.lineTo(point);
            drawing = true;
        }
        // Twice, half a pixel apart: thin pens take Qt's quick way, which
        // matters while the outline grows at every frame.
        picture.setPen(QPen(colour(this, QPalette::Highlight), 1, Qt::SolidLine, Qt::RoundCap));
        picture.drawPath(outline);
        picture.translate(0.5, 0.5);
        picture.drawPath(outline);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(this, QPalette::Text));
    painter.drawEllipse(centre + QPointF(stick_.x, stick_.y) * (radius / 32767), 4, 4);
    paintFocus(painter);
}

AxisBar::AxisBar(const QString &name, QWidget *parent)
    : Readout(name, parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 20);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

bool AxisBar::show(std::int32_t now, double minimum, double maximum)
{
    if (now == now_ && minimum == minimum_ && maximum == maximum_)
        return false;
    now_ = now;
    minimum_ = minimum;
    maximum_ = maximum;
    update();
    return true;
}

QString AxisBar::reading() const
{
    return DeviceWindowText::AxisReading.text()
        .replace(QLatin1String("%NOW%"), ValueText::integerText(now_))
        .replace(QLatin1String("%MINIMUM%"), ValueText::realText(minimum_))
        .replace(QLatin1String("%MAXIMUM%"), ValueText::realText(maximum_));
}

void AxisBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF bar = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillRect(rect(), colour(this, QPalette::Base));
    const auto at = [&bar](double value) {
        return bar.left() + (std::clamp(value, -32768.0, 32767.0) + 32768) / 65535 * bar.width();
    };
    painter.fillRect(
        QRectF(at(minimum_), bar.top(), std::max(at(maximum_) - at(minimum_), 2.0), bar.height()),
        RangeBarDelegate::spanColour(palette()));
    painter.fillRect(QRectF(at(now_) - 1.5, bar.top(), 3, bar.height()),
                     colour(this, QPalette::Highlight));
    painter.setPen(colour(this, QPalette::Text));
    painter.drawText(bar.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                     ValueText::integerText(now_));
    painter.setPen(colour(this, QPalette::Mid));
    painter.drawRect(bar);
    paintFocus(painter);
}

ButtonLamp::ButtonLamp(const QString &name, int number, QWidget *parent)
    : Readout(name, parent)
    , number_(QString::number(number))
{
    setFixedSize(30, 30);
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);
    number_.prepare({}, small);
}

bool ButtonLamp::show(bool pressed, bool pressedBefore)
{
    if (pressed == pressed_ && pressedBefore == pressedBefore_)
        return false;
    pressed_ = pressed;
    pressedBefore_ = pressedBefore;
    update();
    return true;
}

QString ButtonLamp::reading() const
{
    return (pressed_         ? DeviceWindowText::PressedText
            : pressedBefore_ ? DeviceWindowText::PressedBeforeText
                             : DeviceWindowText::NeverPressedText)
        .text();
}

void ButtonLamp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF lamp = QRectF(rect()).adjusted(3, 3, -3, -3);
    painter.setBrush(colour(this, pressed_ ? QPalette::Highlight : QPalette::Base));
    painter.setPen(
        QPen(colour(this, pressed_ || pressedBefore_ ? QPalette::Highlight : QPalette::Mid), 2));
    painter.drawEllipse(lamp);
    painter.setPen(colour(this, pressed_ ? QPalette::HighlightedText : QPalette::Text));
    painter.drawStaticText(
        lamp.center() - QPointF(number_.size().width(), number_.size().height()) / 2, number_);
    paintFocus(painter);
}

HatCross::HatCross(const QString &name, QWidget *parent)
    : Readout(name, parent)
{
    setFixedSize(54, 54);
}

bool HatCross::show(std::uint32_t now, std::uint32_t seen)
{
    if (now == now_ && seen == seen_)
        return false;
    now_ = now;
    seen_ = seen;
    update();
    return true;
}

QString HatCross::reading() const
{
    return DeviceWindowText::HatReading.text()
        .replace(QLatin1String("%NOW%"), directionsText(now_, DeviceWindowText::CentredText))
        .replace(QLatin1String("%SEEN%"), directionsText(seen_, DeviceWindowText::NoneText));
}

void HatCross::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double arm = width() / 3.0;
    // Up, right, down, left, as the direction bits count.
    const QRectF arms[] = {{arm, 2, arm, arm - 2},
                           {2 * arm, arm, arm - 2, arm},
                           {arm, 2 * arm, arm, arm - 2},
                           {2, arm, arm - 2, arm}};
    for (std::size_t bit = 0; bit < std::size(arms); ++bit) {
        const bool pointing = now_ & (1u << bit);
        const bool pointed = seen_ & (1u << bit);
        painter.setBrush(colour(this, pointing ? QPalette::Highlight : QPalette::Base));
        painter.setPen(
            QPen(colour(this, pointing || pointed ? QPalette::Highlight : QPalette::Mid), 2));
        painter.drawRect(arms[bit].adjusted(1, 1, -1, -1));
    }
    paintFocus(painter);
}

TextReadout::TextReadout(const QString &name, QWidget *parent)
    : Readout(name, parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

bool TextReadout::show(const QString &reading)
{
    if (reading == reading_)
        return false;
    reading_ = reading;
    update();
    return true;
}

QSize TextReadout::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(accessibleName() + QStringLiteral(": ") + reading_) + 8,
            fontMetrics().height() + 6};
}

void TextReadout::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(colour(this, QPalette::WindowText));
    painter.drawText(rect().adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(accessibleName() + QStringLiteral(": ") + reading_,
                                              Qt::ElideRight, width() - 8));
    paintFocus(painter);
}

TouchpadView::TouchpadView(const QString &name, QWidget *parent)
    : Readout(name, parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(240, 120);
}

bool TouchpadView::show(const std::vector<GameInputFinger> &fingers)
{
    const auto same = [](const GameInputFinger &a, const GameInputFinger &b) {
        return a.down == b.down && a.x == b.x && a.y == b.y && a.pressure == b.pressure;
    };
    if (std::equal(fingers.begin(), fingers.end(), fingers_.begin(), fingers_.end(), same))
        return false;
    fingers_ = fingers;
    update();
    return true;
}

QString TouchpadView::reading() const
{
    QStringList touching;
    for (const GameInputFinger &finger : fingers_) {
        if (finger.down)
            touching << DeviceWindowText::FingerReading.text()
                            .replace(QLatin1String("%X%"), percentText(finger.x))
                            .replace(QLatin1String("%Y%"), percentText(finger.y))
                            .replace(QLatin1String("%PRESSURE%"), percentText(finger.pressure));
    }
    return touching.isEmpty() ? DeviceWindowText::NoFingerText.text()
                              : touching.join(QStringLiteral("; "));
}

void TouchpadView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour(this, QPalette::Base));
    painter.setPen(colour(this, QPalette::Mid));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(this, QPalette::Highlight));
    for (const GameInputFinger &finger : fingers_) {
        if (finger.down) {
            const double radius = 5 + 10 * finger.pressure;
            painter.drawEllipse(QPointF(finger.x * width(), finger.y * height()), radius, radius);
        }
    }
    paintFocus(painter);
}
