#pragma once

#include <QImage>
#include <QSize>

namespace kr::gui {

// The resolution of every picture drawn for the screen, whatever the
// screen's own: the drawing code measures in pixels of a 96 dpi display.
inline constexpr int ScreenPictureDpi = 96;

// A white picture of the given size at the screen picture resolution, in
// the one format that the canvas can draw exclusive-or on (32 bits per
// pixel, no alpha) and that QImage saves as a 24-bit BMP.
QImage NewScreenPicture(QSize size);

// The white picture the performance curves are drawn on, of the charts' size.
QImage NewCurvesPicture();

// A loaded picture (a drawing) in the same format and resolution, so that
// the rubber band can be drawn on it; a null picture stays null.
QImage AsScreenPicture(const QImage& picture);

}  // namespace kr::gui
