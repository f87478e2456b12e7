#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kr {

// What the program draws on: the curves picture on screen and every page it
// prints. Coordinates are whole device pixels, x to the right and y down,
// as on the screen and on a printer page. Texts are UTF-8. The canvas holds
// a current font, pen and brush, as a painter does; drawing calls use them.

struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colours {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Navy{0, 0, 128};
inline constexpr Rgb Maroon{128, 0, 0};
inline constexpr Rgb Silver{192, 192, 192};
inline constexpr Rgb Grey{128, 128, 128};
inline constexpr Rgb Aqua{0, 255, 255};
}  // namespace colours

struct Point {
    int X = 0;
    int Y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int Width = 0;
    int Height = 0;
    bool operator==(const Size&) const = default;
};

// Left and top inside, right and bottom outside, as a box of the platform's
// drawing calls: Width() = Right − Left.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const Rect&) const = default;
};

struct Font {
    std::string Family = "Arial";
    int Points = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    Rgb Colour = colours::Black;
    bool operator==(const Font&) const = default;
};

enum class PenStyle { Solid, Dot, Dash };
// Xor: every pixel the pen covers is exclusive-ored with the pen's colour,
// so that drawing the same lines twice leaves the picture as it was.
enum class PenMode { Copy, Xor };

struct Pen {
    Rgb Colour = colours::Black;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
    PenMode Mode = PenMode::Copy;
    bool operator==(const Pen&) const = default;
};

// Clear: shapes are outlined only.
enum class BrushStyle { Solid, Clear };

struct Brush {
    Rgb Colour = colours::White;
    BrushStyle Style = BrushStyle::Solid;
    bool operator==(const Brush&) const = default;
};

enum class Orientation { Portrait, Landscape };

class Canvas {
public:
    virtual ~Canvas() = default;

    // The drawable page (or picture) in pixels and its resolution in dots
    // per inch; a screen picture has 96.
    virtual Size PageSize() const = 0;
    virtual Size Resolution() const = 0;

    virtual void SetFont(const Font& font) = 0;
    virtual const Font& CurrentFont() const = 0;
    virtual void SetPen(const Pen& pen) = 0;
    virtual const Pen& CurrentPen() const = 0;
    virtual void SetBrush(const Brush& brush) = 0;
    virtual const Brush& CurrentBrush() const = 0;

    // A text in the current font: its width and its line height.
    virtual Size TextExtent(std::string_view text) const = 0;
    // The text with its top left corner at (x, y), on a clear background.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // The text turned counter-clockwise by tenths of a degree about (x, y),
    // its top left corner before the turn.
    virtual void RotatedTextOut(int x, int y, int tenthsOfDegree, std::string_view text) = 0;

    // Lines from the pen position, as a platform's MoveTo and LineTo: the
    // end point itself is not drawn.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Connected lines through the points with the pen; nothing is filled.
    virtual void Polyline(std::span<const Point> points) = 0;
    // A closed shape through the points, outlined with the pen and filled
    // with the brush.
    virtual void Polygon(std::span<const Point> points) = 0;
    // Outlined with the pen and filled with the brush, inside the box.
    virtual void Ellipse(const Rect& box) = 0;
    virtual void Rectangle(const Rect& box) = 0;
    // Fills the box with the brush, no outline.
    virtual void FillRect(const Rect& box) = 0;

    // The picture of a bitmap file: its size in pixels, and the picture
    // stretched over the box. Both fail (nothing, false) for a file that is
    // missing or cannot be read as a picture; nothing is drawn then.
    virtual std::optional<Size> BitmapSize(const std::filesystem::path& file) const = 0;
    virtual bool StretchBitmap(const std::filesystem::path& file, const Rect& box) = 0;

    // Document and page control of a printed job. A picture canvas has one
    // page and ignores them.
    virtual void BeginDocument(std::string_view title, Orientation orientation) = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
};

}  // namespace kr
