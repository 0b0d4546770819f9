#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// Keeps controls placed at fixed positions in step with their container:
// an anchored side keeps its distance to the same side of the container.
// Anchored left and right, a control stretches in width; top and bottom, in
// height; anchored right (or bottom) only, it moves with that edge.
class Anchors final : public QObject {
public:
    enum Edge { Left = 1, Top = 2, Right = 4, Bottom = 8 };

    // `designSize` is the container's size that the design rectangles assume.
    Anchors(QWidget *container, QSize designSize);

    void add(QWidget *control, QRect designRect, int edges);

    // Where a control designed at `designRect` goes in a container of `size`.
    static QRect placed(QRect designRect, int edges, QSize designSize, QSize size);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        QWidget *control;
        QRect designRect;
        int edges;
    };

    void apply();

    QWidget *container_;
    QSize designSize_;
    std::vector<Entry> entries_;
};
