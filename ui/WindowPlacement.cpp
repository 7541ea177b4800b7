#include "ui/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

namespace {

// The top of a frame of `height` at `top`, moved onto the desk where it fits.
int heldTop(int top, int height, QRect desk) {
    return std::max(desk.top(), std::min(top, desk.bottom() + 1 - height));
}

int heldLeft(int left, int width, QRect desk) {
    return std::max(desk.left(), std::min(left, desk.right() + 1 - width));
}

} // namespace

QPoint centred(QSize size, QRect over, QRect desk) {
    QRect frame(QPoint(), size);
    frame.moveCenter(over.center());
    return {heldLeft(frame.left(), size.width(), desk), heldTop(frame.top(), size.height(), desk)};
}

Beside besideRows(QSize size, QRect owner, QRect keepClear, QRect desk, QRect alsoClear) {
    const int right = owner.right() + 1;
    if (right + size.width() - 1 <= desk.right())
        return {{right, heldTop(owner.top(), size.height(), desk)}};
    const int below = keepClear.bottom() + 1;
    const int shortfall = std::max(0, below + size.height() - 1 - desk.bottom());
    const int rightEdge = heldLeft(owner.right() + 1 - size.width(), size.width(), desk);
    if (owner.top() - shortfall >= desk.top())
        for (const int left : {rightEdge, heldLeft(owner.left(), size.width(), desk)}) {
            const QRect frame(QPoint(left, below - shortfall), size);
            if (!frame.intersects(alsoClear.translated(0, -shortfall)))
                return {frame.topLeft(), shortfall};
        }
    if (owner.left() - size.width() >= desk.left())
        return {{owner.left() - size.width(), heldTop(owner.top(), size.height(), desk)}};
    return {{rightEdge, heldTop(below, size.height(), desk)}};
}

std::optional<QPoint> nextTo(QSize size, QRect neighbour, QRect keepClear, QRect desk) {
    const int alignedLeft = heldLeft(neighbour.left(), size.width(), desk);
    const int alignedTop = heldTop(neighbour.top(), size.height(), desk);
    for (const QPoint topLeft : {QPoint(alignedLeft, neighbour.bottom() + 1),
                                 QPoint(neighbour.left() - size.width(), alignedTop),
                                 QPoint(neighbour.right() + 1, alignedTop),
                                 QPoint(alignedLeft, neighbour.top() - size.height())}) {
        const QRect frame(topLeft, size);
        if (desk.contains(frame) && !frame.intersects(neighbour) && !frame.intersects(keepClear))
            return topLeft;
    }
    return std::nullopt;
}

} // namespace WindowPlacement
