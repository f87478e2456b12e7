#include "gui/widgets/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace kr::gui {

namespace {

// Every glyph is drawn on a 16 x 16 grid.
void PaintSearch(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 2.0));
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(ink, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.0, 10.0), QPointF(14.0, 14.0));
}

void PaintReset(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11.0, 11.0), 100 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(5.0, 0.5), QPointF(10.5, 3.0), QPointF(5.5, 6.5)}));
}

void PaintHelp(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QRectF(1.0, 1.0, 14.0, 14.0));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(1.0, 1.0, 14.0, 14.0), Qt::AlignCenter, QStringLiteral("?"));
}

void PaintPrinter(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7.0, 5.0));  // paper going in
    p.setBrush(ink.lighter(170));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13.0, 6.0), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7.0, 4.0));  // the printout
    p.drawLine(QPointF(6.0, 12.5), QPointF(10.0, 12.5));
}

void PaintArrow(QPainter& p, const QColor& ink, bool right)
{
    QPolygonF arrow({QPointF(1.5, 8.0), QPointF(8.0, 2.0), QPointF(8.0, 5.5), QPointF(14.5, 5.5),
                     QPointF(14.5, 10.5), QPointF(8.0, 10.5), QPointF(8.0, 14.0)});
    if (right) {
        for (QPointF& point : arrow)
            point.setX(16.0 - point.x());
    }
    p.setPen(QPen(ink.darker(130), 1.0));
    p.setBrush(ink);
    p.drawPolygon(arrow);
}

void PaintClipboard(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(0xC8, 0xA0, 0x6E));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11.0, 12.5), 1.0, 1.0);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 4.5, 7.0, 9.0));
    p.setBrush(ink);
    p.drawRect(QRectF(5.5, 1.0, 5.0, 3.0));
}

void PaintDisk(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink.darker(130), 1.0));
    p.setBrush(ink);
    p.drawRect(QRectF(1.5, 1.5, 13.0, 13.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7.0, 5.0));     // shutter
    p.drawRect(QRectF(3.5, 9.0, 9.0, 5.5));     // label
    p.setBrush(ink);
    p.drawRect(QRectF(9.0, 2.5, 1.5, 3.0));
}

void PaintDocument(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 1.0));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(3.5, 1.5), QPointF(10.0, 1.5), QPointF(12.5, 4.0),
                             QPointF(12.5, 14.5), QPointF(3.5, 14.5)}));
    for (double y = 5.5; y < 14.0; y += 2.5)
        p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
}

void PaintAccessories(QPainter& p, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(6.5, 2.0, 3.0, 12.0), 1.0, 1.0);
    p.drawRoundedRect(QRectF(2.0, 6.5, 12.0, 3.0), 1.0, 1.0);
}

void PaintOk(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(QColor(0x1E, 0x7D, 0x32), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    Q_UNUSED(ink);
}

void PaintCancel(QPainter& p, const QColor& ink)
{
    Q_UNUSED(ink);
    p.setPen(QPen(QColor(0xB7, 0x1C, 0x1C), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

}  // namespace

void PaintGlyph(QPainter& painter, Glyph glyph, const QRect& rect, const QColor& ink)
{
    if (glyph == Glyph::None)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.left() + (rect.width() - GlyphSize) / 2, rect.top() + (rect.height() - GlyphSize) / 2);
    switch (glyph) {
    case Glyph::None: break;
    case Glyph::Search: PaintSearch(painter, ink); break;
    case Glyph::Reset: PaintReset(painter, ink); break;
    case Glyph::Help: PaintHelp(painter, ink); break;
    case Glyph::Printer: PaintPrinter(painter, ink); break;
    case Glyph::Back: PaintArrow(painter, ink, false); break;
    case Glyph::ArrowRight: PaintArrow(painter, ink, true); break;
    case Glyph::Clipboard: PaintClipboard(painter, ink); break;
    case Glyph::Disk: PaintDisk(painter, ink); break;
    case Glyph::Document: PaintDocument(painter, ink); break;
    case Glyph::Accessories: PaintAccessories(painter, ink); break;
    case Glyph::Ok: PaintOk(painter, ink); break;
    case Glyph::Cancel: PaintCancel(painter, ink); break;
    }
    painter.restore();
}

}  // namespace kr::gui
