#include "gui/app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kr::gui {

namespace {

// So much of the window in each direction must show for the user to take
// hold of its title bar.
constexpr int GripSide = 48;

bool Reachable(const QRect& bounds, const QRect& screen)
{
    const QRect shown = bounds.intersected(screen);
    return shown.width() >= std::min(GripSide, bounds.width()) &&
           shown.height() >= std::min(GripSide, bounds.height()) && !shown.isEmpty();
}

// Squared distance from the window's centre to the screen; 0 inside it.
std::int64_t DistanceSquared(const QRect& bounds, const QRect& screen)
{
    const QPoint centre = bounds.center();
    const std::int64_t dx = centre.x() - std::clamp(centre.x(), screen.left(), screen.right());
    const std::int64_t dy = centre.y() - std::clamp(centre.y(), screen.top(), screen.bottom());
    return dx * dx + dy * dy;
}

int MovedInto(int position, int size, int screenStart, int screenSize)
{
    return std::clamp(position, screenStart, std::max(screenStart, screenStart + screenSize - size));
}

}  // namespace

QPoint PlaceOnScreens(const QRect& bounds, const QList<QRect>& screens)
{
    if (screens.isEmpty() || std::ranges::any_of(screens, [&](const QRect& s) { return Reachable(bounds, s); }))
        return bounds.topLeft();
    const QRect& nearest = *std::ranges::min_element(
        screens, {}, [&](const QRect& screen) { return DistanceSquared(bounds, screen); });
    return {MovedInto(bounds.x(), bounds.width(), nearest.x(), nearest.width()),
            MovedInto(bounds.y(), bounds.height(), nearest.y(), nearest.height())};
}

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

}  // namespace kr::gui
