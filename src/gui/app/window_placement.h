#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace kr::gui {

// Where a window asked for at `bounds` is put so that the user can reach
// it: where it was asked for while a grip of it lies on one of the screens
// (their available areas), else on the screen nearest to it, moved in only
// as far as it must to lie wholly on it (its top-left corner on the screen
// where it is larger). Without screens nothing moves.
QPoint PlaceOnScreens(const QRect& bounds, const QList<QRect>& screens);

// The available areas of the screens the platform has now.
QList<QRect> AvailableScreenAreas();

}  // namespace kr::gui
