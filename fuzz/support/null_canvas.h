#pragma once

#include "core/canvas/canvas.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>

namespace kr::fuzz {

// A canvas that draws nothing. Texts measure with a fixed metric (each byte
// Points · 2 / 3 wide, a line Points · 3 / 2 high), and every bitmap file
// "exists" with a size made from its name, so that layouts meet pictures of
// any size, from empty to far larger than the page.
class NullCanvas : public Canvas {
public:
    explicit NullCanvas(Size pageSize = {4960, 7016}, Size resolution = {600, 600})
        : pageSize_(pageSize), resolution_(resolution)
    {
    }

    Size PageSize() const override { return pageSize_; }
    Size Resolution() const override { return resolution_; }
    void SetFont(const Font& font) override { font_ = font; }
    const Font& CurrentFont() const override { return font_; }
    void SetPen(const Pen& pen) override { pen_ = pen; }
    const Pen& CurrentPen() const override { return pen_; }
    void SetBrush(const Brush& brush) override { brush_ = brush; }
    const Brush& CurrentBrush() const override { return brush_; }

    Size TextExtent(std::string_view text) const override
    {
        const int length = static_cast<int>(std::min<std::size_t>(text.size(), 1 << 20));
        return {length * font_.Points * 2 / 3, font_.Points * 3 / 2};
    }
    void TextOut(int, int, std::string_view) override {}
    void RotatedTextOut(int, int, int, std::string_view) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Polyline(std::span<const Point>) override {}
    void Polygon(std::span<const Point>) override {}
    void Ellipse(const Rect&) override {}
    void Rectangle(const Rect&) override {}
    void FillRect(const Rect&) override {}
    std::optional<Size> BitmapSize(const std::filesystem::path& file) const override
    {
        const std::size_t hash = std::hash<std::string>{}(file.string());
        if (hash % 7 == 0)
            return std::nullopt;  // unreadable
        return Size{static_cast<int>(hash % 20000), static_cast<int>((hash >> 16) % 20000)};
    }
    bool StretchBitmap(const std::filesystem::path& file, const Rect&) override { return BitmapSize(file).has_value(); }
    void BeginDocument(std::string_view, Orientation) override { ++documents_; }
    void NewPage() override { ++pages_; }
    void EndDocument() override { --documents_; }

    int OpenDocuments() const { return documents_; }

private:
    Size pageSize_;
    Size resolution_;
    Font font_;
    Pen pen_;
    Brush brush_;
    int documents_ = 0;
    int pages_ = 0;
};

}  // namespace kr::fuzz
