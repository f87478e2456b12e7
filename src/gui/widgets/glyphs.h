#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace kr::gui {

// The small pictures of the program's buttons, drawn by code so that they
// are sharp at any size and need no picture files.
enum class Glyph {
    None,
    Search,      // magnifier
    Reset,       // circular arrow
    Help,        // question mark in a circle
    Printer,
    Back,        // arrow left
    ArrowRight,
    Clipboard,
    Disk,
    Document,    // a sheet with lines: technical data
    Accessories, // plus sign
    Ok,          // check mark
    Cancel,      // cross
};

inline constexpr int GlyphSize = 16;

// Draws the glyph centred in the square of side GlyphSize inside rect.
void PaintGlyph(QPainter& painter, Glyph glyph, const QRect& rect, const QColor& ink);

}  // namespace kr::gui
