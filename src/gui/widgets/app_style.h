#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QApplication;
class QWidget;

namespace kr::gui {

// The look every window of the program shares.
namespace look {
inline const QColor WindowFace{0xE9, 0xED, 0xF2};
inline const QColor PanelFace{0xDD, 0xE4, 0xEC};
inline const QColor ButtonFace{0xC9, 0xD7, 0xE6};       // the glyph buttons
inline const QColor StartButtonFace{0x2E, 0x5E, 0x8E};  // the start menu's big buttons
inline const QColor HeadingFace{0xB7, 0xC9, 0xDC};       // grid headings
inline const QColor GradientTop{0xF4, 0xF7, 0xFA};
inline const QColor GradientBottom{0xC4, 0xD3, 0xE3};
inline const QColor Ink{0x1F, 0x3A, 0x5C};               // glyphs on light buttons
inline const QColor ReadOnlyFace{0xE4, 0xE8, 0xEE};
}  // namespace look

// Liberation Sans stands in for Arial and MS Sans Serif: the same widths.
inline constexpr const char* ProgramFontFamily = "Liberation Sans";
inline constexpr int ProgramFontPoints = 8;
QFont ProgramFont();

// Hints disappear after this long.
inline constexpr int HintDurationMs = 5000;

// Style, palette and font for the whole application.
void ApplyApplicationStyle(QApplication& app);

// The hint of a control (its tool tip), shown for HintDurationMs.
void SetHint(QWidget& widget, const QString& hint);

}  // namespace kr::gui
