#include "base/Anchors.h"

#include <QEvent>
#include <QWidget>

Anchors::Anchors(QWidget *container, QSize designSize)
    : QObject(container)
    , container_(container)
    , designSize_(designSize)
{
    container->installEventFilter(this);
}

void Anchors::add(QWidget *control, QRect designRect, int edges)
{
    entries_.push_back({control, designRect, edges});
    control->setGeometry(placed(designRect, edges, designSize_, container_->size()));
}

QRect Anchors::placed(QRect designRect, int edges, QSize designSize, QSize size)
{
    const int growX = size.width() - designSize.width();
    const int growY = size.height() - designSize.height();
    int left = designRect.x();
    int width = designRect.width();
    int top = designRect.y();
    int height = designRect.height();
    if (edges & Right) {
        if (edges & Left)
            width += growX;
        else
            left += growX;
    }
    if (edges & Bottom) {
        if (edges & Top)
            height += growY;
        else
            top += growY;
    }
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

bool Anchors::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == container_ && event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}

void Anchors::apply()
{
    const QSize size = container_->size();
    for (const Entry &entry : entries_)
        entry.control->setGeometry(placed(entry.designRect, entry.edges, designSize_, size));
}
