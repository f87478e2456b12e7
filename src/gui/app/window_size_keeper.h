#pragma once

#include "gui/app/size_snapping.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <functional>

class QWidget;

namespace kr::gui {

// Holds a window at one of its sizes, whatever moves or resizes it. The
// program's own changes snap at once. What the window manager does, a move
// or a drag of a border, is watched until the mouse button is let go and
// then settled by the drag rules, from the bounds the window rested at
// before it began: the window manager moves and resizes the window in many
// steps while it drags, in either order, and may ignore a change asked for
// in the middle of its drag.
class WindowSizeKeeper : public QObject {
    Q_OBJECT
public:
    // `snapping` says whether the sizes hold now; `layout` places the
    // controls for the resting size after every change.
    WindowSizeKeeper(QWidget& window, std::function<bool()> snapping, std::function<void()> layout);

    // The program asks for bounds, with the frame's position: while
    // snapping, one of the sizes by the width asked for; bounds off every
    // screen are brought onto the nearest one.
    void SetBounds(const QRect& requested);

    // Every move and resize of the window, and whether the platform made it.
    void BoundsChanged(bool byPlatform);

    // The client area the window rests at, and where its frame then lies:
    // during a drag still the bounds from before it.
    const QRect& RestingGeometry() const { return resting_; }
    QPoint RestingFramePosition() const;

private:
    void Settle();
    void Apply(const QRect& geometry);

    QWidget& window_;
    std::function<bool()> snapping_;
    std::function<void()> layout_;
    QRect resting_;
    MovedEdges moved_;
    bool dragging_ = false;
    bool applying_ = false;
    bool releaseSeen_ = false;
    // Settling again and again to the same refused bounds ends after a few
    // tries, so that a window manager that insists is not fought forever.
    QRect lastSettledFrom_;
    int attemptsAtSameBounds_ = 0;
    QElapsedTimer sinceApplied_;
    QTimer settleTimer_;
};

}  // namespace kr::gui
