#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Paints, behind the Min, Now and Max cells of a row of the element list,
// how much of the element's scale it has covered: the span from Min to Max
// over the whole scale, with a mark where Now lies, or for a hat the
// directions seen. An element through its whole scale is ticked at the end
// of its bar. The cell texts are drawn on top, as they are.
class RangeBarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // The colour of a covered span: the theme's highlight on its base, as
    // strong as the theme's text on it stays readable (4.5:1).
    static QColor spanColour(const QPalette &palette);

private:
    void paintBar(QPainter *painter, const QStyleOptionViewItem &option,
                  const QModelIndex &index) const;

    mutable qint64 paletteKey_ = -1;
    mutable QColor span_;
};
