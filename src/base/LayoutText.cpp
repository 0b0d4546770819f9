#include "base/LayoutText.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

#include <cmath>

namespace {

constexpr double readableContrast = 4.5;

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// Chooses its label's text colour again whenever the colours it inherits
// change, as they do when the desktop switches between light and dark.
class LayoutTextColour final : public QObject {
public:
    explicit LayoutTextColour(QLabel *label)
        : QObject(label)
        , label_(label)
    {
        apply();
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        // The label's own text colour is the one set here: the theme's
        // colours are those of the window around it.
        const QPalette theme = label_->parentWidget()->palette();
        const QColor colour =
            contrastRatio(Qt::black, theme.color(QPalette::Window)) >= readableContrast
                ? QColor(Qt::black)
                : theme.color(QPalette::WindowText);
        QPalette palette = label_->palette();
        if (palette.color(QPalette::WindowText) == colour)
            return;
        palette.setColor(QPalette::WindowText, colour);
        label_->setPalette(palette);
    }

    QLabel *label_;
};

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

void makeLayoutText(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
    new LayoutTextColour(label);
}
