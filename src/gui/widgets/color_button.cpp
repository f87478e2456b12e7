#include "gui/widgets/color_button.h"

#include "gui/widgets/app_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

namespace kr::gui {

namespace {

constexpr int GlyphGap = 4;

bool IsDark(const QColor& color)
{
    return color.lightness() < 140;
}

}  // namespace

ColorButton::ColorButton(QWidget* parent, Glyph glyph)
    : QPushButton(parent), color_(look::ButtonFace), glyph_(glyph)
{
    setAttribute(Qt::WA_Hover);
}

void ColorButton::SetColor(const QColor& color)
{
    color_ = color;
    update();
}

void ColorButton::SetGlyph(Glyph glyph)
{
    glyph_ = glyph;
    update();
}

int ColorButton::GlyphWidth() const
{
    return glyph_ == Glyph::None ? 0 : GlyphSize + GlyphGap;
}

void ColorButton::SetWordWrap(bool wrap)
{
    if (wordWrap_ == wrap)
        return;
    wordWrap_ = wrap;
    update();
}

QSize ColorButton::sizeHint() const
{
    QFont captionFont = font();
    captionFont.setBold(true);
    const QFontMetrics metrics(captionFont);
    const int width = metrics.horizontalAdvance(text()) + 2 * SideMargin + GlyphWidth() + 8;
    return {width, qMax(metrics.height() + 12, GlyphSize + 10)};
}

QSize ColorButton::minimumSizeHint() const
{
    return {2 * SideMargin + GlyphWidth(), GlyphSize + 4};
}

void ColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QColor face = isEnabled() ? color_ : QColor(0xD4, 0xD8, 0xDD);
    if (isDown() || isChecked())
        face = face.darker(115);
    else if (underMouse() && isEnabled())
        face = face.lighter(108);

    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(outline.topLeft(), outline.bottomLeft());
    gradient.setColorAt(0.0, face.lighter(isDown() ? 105 : 125));
    gradient.setColorAt(1.0, face.darker(108));
    painter.setBrush(gradient);
    painter.setPen(QPen(hasFocus() || isDefault() ? face.darker(190) : face.darker(150), 1.0));
    painter.drawRoundedRect(outline, 3.0, 3.0);

    const QColor ink = !isEnabled() ? QColor(0x8A, 0x90, 0x98) : IsDark(face) ? Qt::white : look::Ink;
    QRect content = rect().adjusted(SideMargin, 1, -SideMargin, -1);
    if (isDown())
        content.translate(1, 1);
    if (glyph_ != Glyph::None) {
        PaintGlyph(painter, glyph_, QRect(content.left(), content.top(), GlyphSize, content.height()),
                   IsDark(face) ? Qt::white : look::Ink);
        content.setLeft(content.left() + GlyphWidth());
    }

    QFont captionFont = font();
    captionFont.setBold(CaptionIsBold());
    painter.setFont(captionFont);
    painter.setPen(IsDark(face) || !isEnabled() ? ink : QColor(Qt::black));
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | (wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine);
    painter.drawText(content, flags, text());

    if (hasFocus()) {
        QPen dotted(ink, 1.0, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outline.adjusted(2.5, 2.5, -2.5, -2.5), 2.0, 2.0);
    }
}

void ColorButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    emit FocusChanged(true);
}

void ColorButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    emit FocusChanged(false);
}

}  // namespace kr::gui
