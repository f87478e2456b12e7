#pragma once

class QWidget;

namespace kr::gui {

// The smallest font a fitted text is shrunk to, in pixels.
inline constexpr int MinFittedPixelSize = 9;

// A label, check box or radio button whose text is wider than the control
// gets a smaller font, pixel by pixel down to MinFittedPixelSize, so that a
// long caption of some language is not cut off; when the text fits, the
// control takes its parent's font again.
void FitTextToWidth(QWidget& control);

}  // namespace kr::gui
