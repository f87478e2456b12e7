#include "gui/widgets/caption_fitting.h"

#include "gui/widgets/color_button.h"

#include <QFontMetrics>

namespace kr::gui {

namespace {
constexpr int CaptionMargins = 2 * ColorButton::SideMargin;
}  // namespace

bool CaptionFitsOnOneLine(const QFont& font, bool bold, const QString& caption, int buttonWidth,
                          int glyphWidth)
{
    QFont measured = font;
    measured.setBold(bold);
    const int available = buttonWidth - CaptionMargins - glyphWidth;
    return QFontMetrics(measured).horizontalAdvance(caption) <= available;
}

void FitButtonCaption(ColorButton& button, const QFont& measureFont)
{
    const bool fits = CaptionFitsOnOneLine(measureFont, button.CaptionIsBold(), button.text(),
                                           button.width(), button.GlyphWidth());
    button.SetWordWrap(!fits);
}

}  // namespace kr::gui
