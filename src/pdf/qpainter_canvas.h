#pragma once

#include "core/canvas/canvas.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <functional>

class QPaintDevice;
class QPagedPaintDevice;

namespace kr::gui {

// The canvas on a QPainter over any paint device: a QImage for the pictures
// on screen, a QPrinter or QPdfWriter for printouts. Lengths are the device's
// own pixels and fonts take their size from the device's resolution, so the
// same drawing code serves a 96 dpi picture and a 1200 dpi page.
//
// Lines follow the platform convention the drawing code was written for:
// a one-pixel pen leaves out the end point of each line (MoveTo/LineTo and
// every segment of a polyline), so lines joined end to start set each pixel
// once, which keeps exclusive-or drawing reversible. A wider solid pen has
// round ends and joins, so there the end point is covered by the cap; a
// wider dotted or dashed pen has flat ends. Shapes use
// the box convention of Rect: a one-pixel outline lies on the box's first
// and last pixel rows and columns, never on Right or Bottom.
//
// Exclusive-or (PenMode::Xor) needs pixels to combine with: it works on a
// raster QImage (as NewScreenPicture makes them); on a printer lines are
// copied. Texts, FillRect and bitmaps are always copied, whatever the pen's
// mode, as on the platform.
//
// A picture (any device that is not paged) is painted from construction to
// destruction, so it is complete once the canvas is gone; it ignores
// document and page control. On a paged device
// (QPrinter, QPdfWriter) BeginDocument sets the orientation, names the job
// and starts it, NewPage starts a page and EndDocument ends the job; nothing is drawn
// outside a job.
class QPainterCanvas final : public Canvas {
public:
    // Gives a job on a paged device its title before it starts. Without one
    // a PDF writer's document takes the title; the printer side, which
    // lives beside the print system, names its jobs through it.
    using JobNamer = std::function<void(const QString& title)>;

    explicit QPainterCanvas(QPaintDevice& device, JobNamer nameJob = {});
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    Size PageSize() const override;
    Size Resolution() const override;

    void SetFont(const Font& font) override;
    const Font& CurrentFont() const override;
    void SetPen(const Pen& pen) override;
    const Pen& CurrentPen() const override;
    void SetBrush(const Brush& brush) override;
    const Brush& CurrentBrush() const override;

    Size TextExtent(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    void RotatedTextOut(int x, int y, int tenthsOfDegree, std::string_view text) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Ellipse(const Rect& box) override;
    void Rectangle(const Rect& box) override;
    void FillRect(const Rect& box) override;

    std::optional<Size> BitmapSize(const std::filesystem::path& file) const override;
    bool StretchBitmap(const std::filesystem::path& file, const Rect& box) override;

    void BeginDocument(std::string_view title, Orientation orientation) override;
    void NewPage() override;
    void EndDocument() override;

private:
    // Prepares the painter for a line or a shape: the pen's mode, colour,
    // width and style, and the brush. Text and copies set their own.
    void UsePenAndBrush();
    void UseCopyMode();
    // A line with the current pen; one pixel wide it leaves out its end.
    void DrawLine(Point from, Point to);
    void Begin();

    QPaintDevice& device_;
    QPagedPaintDevice* pagedDevice_ = nullptr;
    JobNamer nameJob_;
    QPainter painter_;
    Font font_;
    QFont qfont_;
    Pen pen_;
    Brush brush_;
    Point penPosition_;
};

}  // namespace kr::gui
