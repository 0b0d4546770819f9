#include "tester/RangeBarDelegate.h"

#include "base/LayoutText.h"
#include "base/ValueText.h"
#include "tester/ElementReach.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QTreeView>

#include <algorithm>

namespace {

constexpr double readableContrast = 4.5;
constexpr int tickWidth = 9;

double cellNumber(const QModelIndex &row, int column)
{
    return ValueText::leadingNumber(row.siblingAtColumn(column).data().toString());
}

} // namespace

QColor RangeBarDelegate::spanColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor text = palette.color(QPalette::Text);
    QColor mixed = base;
    for (double strength = 0.4; strength > 0; strength -= 0.05) {
        mixed = QColor::fromRgbF(base.redF() + (highlight.redF() - base.redF()) * strength,
                                 base.greenF() + (highlight.greenF() - base.greenF()) * strength,
                                 base.blueF() + (highlight.blueF() - base.blueF()) * strength);
        if (contrastRatio(text, mixed) >= readableContrast)
            return mixed;
    }
    return base;
}

void RangeBarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    if (index.column() > 0)
        paintBar(painter, option, index);
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() != 3 || !index.siblingAtColumn(0).data(ElementReach::DoneRole).toBool())
        return;
    // Done: ticked at the end of its bar, clear of the number in the middle.
    const QRectF tick(option.rect.right() - tickWidth + 2, option.rect.center().y() - 3, 6, 6);
    QPainterPath path(tick.bottomLeft() + QPointF(0, -3));
    path.lineTo(tick.left() + 2, tick.bottom());
    path.lineTo(tick.topRight());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(
        QPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                        : QPalette::Text),
             2));
    painter->drawPath(path);
    painter->restore();
}

void RangeBarDelegate::paintBar(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const auto *view = qobject_cast<const QTreeView *>(option.widget);
    const auto kind =
        static_cast<GameInputKind>(index.siblingAtColumn(0).data(ElementReach::KindRole).toInt());
    if (!view || kind == GameInputKind::Other || (option.state & QStyle::State_Selected))
        return;
    if (option.palette.cacheKey() != paletteKey_) {
        paletteKey_ = option.palette.cacheKey();
        span_ = spanColour(option.palette);
    }
    // One bar across the three value cells; each cell paints its part.
    const QHeaderView *header = view->header();
    const int left = header->sectionViewportPosition(1) + 2;
    const int right = header->sectionViewportPosition(3) + header->sectionSize(3) - 2;
    const QRectF bar(left, option.rect.top() + 2, right - left, option.rect.height() - 4);
    painter->save();
    painter->setClipRect(option.rect);
    if (kind == GameInputKind::Hat) {
        // Up, right, down, left, as the direction bits count.
        const std::uint32_t seen =
            index.siblingAtColumn(0).data(ElementReach::SeenBitsRole).toUInt();
        const double quarter = bar.width() / 4;
        for (int direction = 0; direction < 4; ++direction) {
            if (seen & (1u << direction))
                painter->fillRect(QRectF(bar.left() + direction * quarter + 1, bar.top(),
                                         quarter - 2, bar.height()),
                                  span_);
        }
        painter->restore();
        return;
    }
    const ElementReach::Scale scale = ElementReach::scaleOf(kind);
    const auto at = [&](double value) {
        return bar.left() + (std::clamp(value, scale.lowest, scale.highest) - scale.lowest) /
                                (scale.highest - scale.lowest) * bar.width();
    };
    const double from = at(cellNumber(index, 1));
    const double to = std::max(at(cellNumber(index, 3)), from + 2);
    painter->fillRect(QRectF(from, bar.top(), to - from, bar.height()), span_);
    // Now: a notch above and below, clear of the numbers.
    const double now = std::clamp(at(cellNumber(index, 2)), bar.left() + 1, bar.right() - 1);
    const QColor notch = option.palette.color(QPalette::Highlight);
    painter->fillRect(QRectF(now - 1, bar.top(), 2, 3), notch);
    painter->fillRect(QRectF(now - 1, bar.bottom() - 3, 2, 3), notch);
    painter->restore();
}
