#include "gui/app/window_size_keeper.h"

#include "gui/app/window_placement.h"
#include "gui/platform/pointer_buttons.h"

#include <QWidget>

#include <utility>

namespace kr::gui {

namespace {

// How often a drag is looked at until its button is let go; once let go,
// one more look gives the window manager time to end its drag.
constexpr int SettlePollMs = 40;
// A window manager that puts the window back within this time, to the
// bounds it had before, refuses the size; after so many refusals in a row
// the window keeps what it was given.
constexpr qint64 RefusalWithinMs = 1000;
constexpr int MaxRefusedAttempts = 3;

}  // namespace

WindowSizeKeeper::WindowSizeKeeper(QWidget& window, std::function<bool()> snapping, std::function<void()> layout)
    : QObject(&window), window_(window), snapping_(std::move(snapping)), layout_(std::move(layout)),
      resting_(window.geometry())
{
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(SettlePollMs);
    connect(&settleTimer_, &QTimer::timeout, this, &WindowSizeKeeper::Settle);
}

QPoint WindowSizeKeeper::RestingFramePosition() const
{
    if (!dragging_)
        return window_.pos();
    return resting_.topLeft() - (window_.geometry().topLeft() - window_.pos());
}

void WindowSizeKeeper::SetBounds(const QRect& requested)
{
    settleTimer_.stop();
    dragging_ = false;
    moved_ = {};
    attemptsAtSameBounds_ = 0;
    applying_ = true;
    const QSize size = snapping_() ? SnapWindowSize(requested.width()) : requested.size();
    // The frame, as far as the window manager has told it, must fit too.
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    window_.move(PlaceOnScreens(QRect(requested.topLeft(), size + frame), AvailableScreenAreas()));
    window_.resize(size);
    applying_ = false;
    resting_ = window_.geometry();
    layout_();
}

void WindowSizeKeeper::BoundsChanged(bool byPlatform)
{
    if (applying_)
        return;
    const QRect now = window_.geometry();
    if (!snapping_()) {
        dragging_ = false;
        resting_ = now;
        layout_();
        return;
    }
    if (!byPlatform) {
        // Another part of the program moved or resized the window.
        if (now.size() == resting_.size())
            resting_ = now;
        else
            Apply(QRect(now.topLeft(), SnapWindowSize(now.width())));
        return;
    }
    // A move is watched like a drag: a window manager that drags the left
    // border may report the move before the resize.
    if (!dragging_) {
        if (now == resting_)
            return;
        dragging_ = true;
        moved_ = {};
    }
    moved_ |= EdgesMovedBetween(resting_, now);
    releaseSeen_ = false;
    settleTimer_.start();
}

void WindowSizeKeeper::Settle()
{
    if (MouseButtonHeld()) {
        // Still dragging: a user's drag, not a window manager's answer.
        attemptsAtSameBounds_ = 0;
        releaseSeen_ = false;
        settleTimer_.start();
        return;
    }
    if (!releaseSeen_) {
        releaseSeen_ = true;
        settleTimer_.start();
        return;
    }
    releaseSeen_ = false;
    dragging_ = false;
    const QRect now = window_.geometry();
    const QRect target = now.size() == resting_.size() ? now : SettledBounds(resting_, moved_, now.size());
    moved_ = {};
    if (now == target) {
        resting_ = target;
        layout_();
        return;
    }
    const bool refused =
        now == lastSettledFrom_ && sinceApplied_.isValid() && sinceApplied_.elapsed() < RefusalWithinMs;
    attemptsAtSameBounds_ = refused ? attemptsAtSameBounds_ + 1 : 1;
    lastSettledFrom_ = now;
    if (attemptsAtSameBounds_ > MaxRefusedAttempts) {
        // The controls keep the layout of the size the user chose.
        resting_ = target;
        layout_();
        return;
    }
    Apply(target);
}

void WindowSizeKeeper::Apply(const QRect& geometry)
{
    applying_ = true;
    window_.setGeometry(geometry);
    applying_ = false;
    resting_ = geometry;
    sinceApplied_.start();
    layout_();
}

}  // namespace kr::gui
