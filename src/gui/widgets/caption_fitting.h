#pragma once

#include <QFont>
#include <QString>

namespace kr::gui {

class ColorButton;

// Whether a caption fits on one line of a button: it is measured in font,
// bold or regular, against the button width less 10 pixels and less the
// glyph's width.
bool CaptionFitsOnOneLine(const QFont& font, bool bold, const QString& caption, int buttonWidth,
                          int glyphWidth);

// One line when the caption fits, word wrap when it does not. Measured in
// measureFont, bold while the button has the focus or is a default button.
void FitButtonCaption(ColorButton& button, const QFont& measureFont);

}  // namespace kr::gui
