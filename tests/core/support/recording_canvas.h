#pragma once

#include "core/canvas/canvas.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kr::test {

// A canvas that draws nothing and remembers every call with the font, pen
// and brush it was made with, so that a test can check what a layout drew
// and where. Texts measure with a fixed metric: each character (UTF-8 code
// point) is Points · 2 / 3 pixels wide, a line Points · 3 / 2 high.
class RecordingCanvas : public Canvas {
public:
    enum class Kind {
        Text, RotatedText, Line, Polyline, Polygon, Ellipse, Rectangle, FillRect, Bitmap,
        BeginDocument, NewPage, EndDocument,
    };

    struct Call {
        Kind What;
        std::vector<Point> Points;  // a line's start and end; the points of a shape; a text's position
        Rect Box;                   // ellipses, rectangles and bitmaps
        std::string Text;           // texts, bitmap file names, document titles
        int Angle = 0;              // tenths of a degree
        Font TextFont;
        Pen LinePen;
        Brush FillBrush;
    };

    explicit RecordingCanvas(Size pageSize = {580, 410}, Size resolution = {96, 96})
        : pageSize_(pageSize), resolution_(resolution)
    {
    }

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> CallsOf(Kind kind, const std::function<bool(const Call&)>& also = {}) const
    {
        std::vector<Call> found;
        std::ranges::copy_if(calls_, std::back_inserter(found),
                             [&](const Call& c) { return c.What == kind && (!also || also(c)); });
        return found;
    }
    // The bitmap files a test gives a size; other files cannot be read.
    std::map<std::filesystem::path, Size> Bitmaps;

    static Size Extent(std::string_view text, int points)
    {
        const auto codePoints = std::ranges::count_if(text, [](char c) { return (c & 0xC0) != 0x80; });
        return {static_cast<int>(codePoints) * points * 2 / 3, points * 3 / 2};
    }

    Size PageSize() const override { return pageSize_; }
    Size Resolution() const override { return resolution_; }
    void SetFont(const Font& font) override { font_ = font; }
    const Font& CurrentFont() const override { return font_; }
    void SetPen(const Pen& pen) override { pen_ = pen; }
    const Pen& CurrentPen() const override { return pen_; }
    void SetBrush(const Brush& brush) override { brush_ = brush; }
    const Brush& CurrentBrush() const override { return brush_; }

    Size TextExtent(std::string_view text) const override { return Extent(text, font_.Points); }
    void TextOut(int x, int y, std::string_view text) override { Record(Kind::Text, {{x, y}}, {}, text); }
    void RotatedTextOut(int x, int y, int tenthsOfDegree, std::string_view text) override
    {
        Record(Kind::RotatedText, {{x, y}}, {}, text).Angle = tenthsOfDegree;
    }
    void MoveTo(int x, int y) override { position_ = {x, y}; }
    void LineTo(int x, int y) override
    {
        Record(Kind::Line, {position_, {x, y}});
        position_ = {x, y};
    }
    void Polyline(std::span<const Point> points) override { Record(Kind::Polyline, {points.begin(), points.end()}); }
    void Polygon(std::span<const Point> points) override { Record(Kind::Polygon, {points.begin(), points.end()}); }
    void Ellipse(const Rect& box) override { Record(Kind::Ellipse, {}, box); }
    void Rectangle(const Rect& box) override { Record(Kind::Rectangle, {}, box); }
    void FillRect(const Rect& box) override { Record(Kind::FillRect, {}, box); }
    std::optional<Size> BitmapSize(const std::filesystem::path& file) const override
    {
        const auto found = Bitmaps.find(file);
        return found == Bitmaps.end() ? std::nullopt : std::optional<Size>(found->second);
    }
    bool StretchBitmap(const std::filesystem::path& file, const Rect& box) override
    {
        if (!BitmapSize(file))
            return false;
        Record(Kind::Bitmap, {}, box, file.string());
        return true;
    }
    void BeginDocument(std::string_view title, Orientation orientation) override
    {
        orientation_ = orientation;
        Record(Kind::BeginDocument, {}, {}, title);
    }
    void NewPage() override { Record(Kind::NewPage); }
    void EndDocument() override { Record(Kind::EndDocument); }

    Orientation DocumentOrientation() const { return orientation_; }

private:
    Call& Record(Kind kind, std::vector<Point> points = {}, Rect box = {}, std::string_view text = {})
    {
        return calls_.emplace_back(Call{kind, std::move(points), box, std::string(text), 0, font_, pen_, brush_});
    }

    Size pageSize_;
    Size resolution_;
    Font font_;
    Pen pen_;
    Brush brush_;
    Point position_;
    Orientation orientation_ = Orientation::Portrait;
    std::vector<Call> calls_;
};

}  // namespace kr::test
