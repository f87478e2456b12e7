#include "pdf/qpainter_canvas.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPdfWriter>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kr::gui {

namespace {

QColor ToQColor(Rgb colour)
{
    return QColor(colour.R, colour.G, colour.B);
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont ToQFont(const Font& font)
{
    QFont qfont(ToQString(font.Family));
    qfont.setPointSize(std::max(font.Points, 1));
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setUnderline(font.Underline);
    return qfont;
}

Qt::PenStyle ToQt(PenStyle style)
{
    switch (style) {
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

QPen ToQPen(const Pen& pen)
{
    // A pen of width 0 draws one pixel wide, as on the platform.
    const int width = std::max(pen.Width, 1);
    QPen qpen(ToQColor(pen.Colour), width, ToQt(pen.Style));
    // A one-pixel line with flat ends stops short of its end point. Wide
    // solid lines get round ends and joins; wide patterned lines keep flat
    // ends so that the gaps between their dots stay open.
    const bool roundEnds = width > 1 && pen.Style == PenStyle::Solid;
    qpen.setCapStyle(roundEnds ? Qt::RoundCap : Qt::FlatCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    return qpen;
}

// The box as the rectangle whose outline a one-pixel pen draws on the box's
// first and last rows and columns (Qt draws an outline one pixel right of
// and below its rectangle's size).
QRect OutlineRect(const Rect& box)
{
    return QRect(QPoint(std::min(box.Left, box.Right), std::min(box.Top, box.Bottom)),
                 QSize(std::abs(box.Width()) - 1, std::abs(box.Height()) - 1));
}

// The box's pixels, Right and Bottom outside.
QRect PixelRect(const Rect& box)
{
    return QRect(QPoint(std::min(box.Left, box.Right), std::min(box.Top, box.Bottom)),
                 QSize(std::abs(box.Width()), std::abs(box.Height())));
}

QPolygon ToQPolygon(std::span<const Point> points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& point : points)
        polygon << QPoint(point.X, point.Y);
    return polygon;
}

// Qt draws a one-pixel line over the pixels from its lower to its higher
// end along its longer axis (x when both are as long), leaving out the
// higher end whichever way the line runs. A line that runs towards lower
// coordinates is therefore moved one step along itself, back towards its
// start: Qt then draws its start and leaves out its end, with the same
// pixels between them as the line in place would have.
QLineF OnePixelLine(Point from, Point to)
{
    const QPoint start(from.X, from.Y);
    const QPoint delta = QPoint(to.X, to.Y) - start;
    const bool alongX = std::abs(delta.x()) >= std::abs(delta.y());
    const int steps = alongX ? std::abs(delta.x()) : std::abs(delta.y());
    const int run = alongX ? delta.x() : delta.y();
    if (run >= 0)
        return QLineF(start, start + delta);
    const QPointF back = QPointF(-delta) / steps;
    return QLineF(QPointF(start) + back, QPointF(start + delta) + back);
}

QImage ReadPicture(const std::filesystem::path& file)
{
    QImageReader reader(QFileInfo(file).filePath());
    return reader.read();
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPaintDevice& device, JobNamer nameJob)
    : device_(device), pagedDevice_(dynamic_cast<QPagedPaintDevice*>(&device)), nameJob_(std::move(nameJob)),
      qfont_(ToQFont(font_))
{
    if (pagedDevice_ == nullptr)
        Begin();
}

QPainterCanvas::~QPainterCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

void QPainterCanvas::Begin()
{
    if (!painter_.begin(&device_))
        return;
    // Lines and shapes are drawn pixel for pixel, without antialiasing, so
    // that exclusive-or drawing hits the same pixels every time.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setFont(qfont_);
}

Size QPainterCanvas::PageSize() const
{
    return {device_.width(), device_.height()};
}

Size QPainterCanvas::Resolution() const
{
    return {device_.logicalDpiX(), device_.logicalDpiY()};
}

void QPainterCanvas::SetFont(const Font& font)
{
    font_ = font;
    qfont_ = ToQFont(font);
    if (painter_.isActive())
        painter_.setFont(qfont_);
}

const Font& QPainterCanvas::CurrentFont() const
{
    return font_;
}

void QPainterCanvas::SetPen(const Pen& pen)
{
    pen_ = pen;
}

const Pen& QPainterCanvas::CurrentPen() const
{
    return pen_;
}

void QPainterCanvas::SetBrush(const Brush& brush)
{
    brush_ = brush;
}

const Brush& QPainterCanvas::CurrentBrush() const
{
    return brush_;
}

void QPainterCanvas::UsePenAndBrush()
{
    // Only a raster engine has pixels to combine with; elsewhere lines are copied.
    const QPaintEngine* engine = painter_.paintEngine();
    const bool exclusiveOr = pen_.Mode == PenMode::Xor && engine != nullptr &&
                             engine->hasFeature(QPaintEngine::RasterOpModes);
    painter_.setCompositionMode(exclusiveOr ? QPainter::RasterOp_SourceXorDestination
                                            : QPainter::CompositionMode_SourceOver);
    painter_.setPen(ToQPen(pen_));
    if (brush_.Style == BrushStyle::Solid)
        painter_.setBrush(ToQColor(brush_.Colour));
    else
        painter_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::UseCopyMode()
{
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

Size QPainterCanvas::TextExtent(std::string_view text) const
{
    const QFontMetrics metrics(qfont_, &device_);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void QPainterCanvas::TextOut(int x, int y, std::string_view text)
{
    RotatedTextOut(x, y, 0, text);
}

void QPainterCanvas::RotatedTextOut(int x, int y, int tenthsOfDegree, std::string_view text)
{
    if (!painter_.isActive())
        return;
    UseCopyMode();
    painter_.save();
    painter_.setPen(ToQColor(font_.Colour));
    painter_.translate(x, y);
    // Qt turns clockwise on a y-down device; the canvas turns the other way.
    painter_.rotate(-tenthsOfDegree / 10.0);
    painter_.drawText(QPoint(0, QFontMetrics(qfont_, &device_).ascent()), ToQString(text));
    painter_.restore();
}

void QPainterCanvas::MoveTo(int x, int y)
{
    penPosition_ = {x, y};
}

void QPainterCanvas::LineTo(int x, int y)
{
    if (painter_.isActive()) {
        UsePenAndBrush();
        DrawLine(penPosition_, {x, y});
    }
    penPosition_ = {x, y};
}

void QPainterCanvas::DrawLine(Point from, Point to)
{
    if (pen_.Width <= 1)
        painter_.drawLine(OnePixelLine(from, to));
    else
        painter_.drawLine(from.X, from.Y, to.X, to.Y);
}

void QPainterCanvas::Polyline(std::span<const Point> points)
{
    if (!painter_.isActive() || points.size() < 2)
        return;
    UsePenAndBrush();
    // A wide pen joins the lines as one path; a one-pixel pen draws them one
    // by one, each without its end point, which the next one starts on.
    if (pen_.Width > 1) {
        painter_.drawPolyline(ToQPolygon(points));
        return;
    }
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawLine(points[i - 1], points[i]);
}

void QPainterCanvas::Polygon(std::span<const Point> points)
{
    if (!painter_.isActive() || points.size() < 2)
        return;
    UsePenAndBrush();
    painter_.drawPolygon(ToQPolygon(points), Qt::OddEvenFill);
}

void QPainterCanvas::Ellipse(const Rect& box)
{
    if (!painter_.isActive() || box.Width() == 0 || box.Height() == 0)
        return;
    UsePenAndBrush();
    painter_.drawEllipse(OutlineRect(box));
}

void QPainterCanvas::Rectangle(const Rect& box)
{
    if (!painter_.isActive() || box.Width() == 0 || box.Height() == 0)
        return;
    UsePenAndBrush();
    painter_.drawRect(OutlineRect(box));
}

void QPainterCanvas::FillRect(const Rect& box)
{
    if (!painter_.isActive() || brush_.Style == BrushStyle::Clear)
        return;
    UseCopyMode();
    painter_.fillRect(PixelRect(box), ToQColor(brush_.Colour));
}

std::optional<Size> QPainterCanvas::BitmapSize(const std::filesystem::path& file) const
{
    const QImage picture = ReadPicture(file);
    if (picture.isNull())
        return std::nullopt;
    return Size{picture.width(), picture.height()};
}

bool QPainterCanvas::StretchBitmap(const std::filesystem::path& file, const Rect& box)
{
    const QImage picture = ReadPicture(file);
    if (picture.isNull())
        return false;
    if (painter_.isActive() && box.Width() != 0 && box.Height() != 0) {
        UseCopyMode();
        painter_.drawImage(PixelRect(box), picture);
    }
    return true;
}

void QPainterCanvas::BeginDocument(std::string_view title, Orientation orientation)
{
    if (pagedDevice_ == nullptr || painter_.isActive())
        return;
    // The orientation of the first page must be set before the job starts.
    pagedDevice_->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
    if (nameJob_)
        nameJob_(ToQString(title));
    else if (auto* writer = dynamic_cast<QPdfWriter*>(pagedDevice_))
        writer->setTitle(ToQString(title));
    Begin();
}

void QPainterCanvas::NewPage()
{
    if (pagedDevice_ != nullptr && painter_.isActive())
        pagedDevice_->newPage();
}

void QPainterCanvas::EndDocument()
{
    if (pagedDevice_ != nullptr && painter_.isActive())
        painter_.end();
}

}  // namespace kr::gui
