#pragma once
// Where a window opens on the screen, as frames in screen coordinates: centred over
// another window, or beside the rows of another window without covering them.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace WindowPlacement {

// The top-left corner of a frame of `size` centred over `over`: wholly on `desk`
// where it fits, its title bar on it in any case.
QPoint centred(QSize size, QRect over, QRect desk);

struct Beside {
    QPoint topLeft;    // of the window's frame
    int ownerLift = 0; // how far the owner moves up to make room below its rows
};

// A frame of `size` beside the rows `keepClear` of the window `owner`, clear of its
// `alsoClear` too (a verdict and its button below the rows): to the owner's right where the
// desk allows, else below the rows at the owner's right edge or else at its left edge (the
// owner moving up when that makes room), else to the owner's left, else as low as the desk
// allows at the owner's right edge.
Beside besideRows(QSize size, QRect owner, QRect keepClear, QRect desk, QRect alsoClear = {});

// A frame of `size` next to `neighbour`, wholly on `desk` and clear of both `neighbour`
// and `keepClear`: below it, else to its left, to its right or above it; none when no
// side has the room.
std::optional<QPoint> nextTo(QSize size, QRect neighbour, QRect keepClear, QRect desk);

} // namespace WindowPlacement
