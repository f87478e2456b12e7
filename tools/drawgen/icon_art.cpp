#include "drawgen/icon_art.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/install/program_icon.h"
#include "drawgen/fan_mark.h"
#include "drawgen/raster_renderer.h"

namespace kr::drawgen {

namespace {

// The icon is designed on a square of 64 units, y up, and scaled to each size.
constexpr double DesignSize = 64;
constexpr Point Centre{DesignSize / 2, DesignSize / 2};
constexpr double TileRadius = 31;  // a unit of margin keeps the smoothed edge inside the square
constexpr double RingRadius = 23;
constexpr int RoundCorners = 144;  // polygon corners of a full circle: round at 256 pixels
constexpr int IconSupersampling = 4;
constexpr int Opaque = 255;

std::vector<Point> Disk(Point centre, double radius)
{
    std::vector<Point> corners;
    for (int corner = 0; corner < RoundCorners; ++corner)
        corners.push_back(Polar(centre, radius, 360.0 * corner / RoundCorners));
    return corners;
}

// The icon in two colours: the picture itself, or with both black to find
// how much of each pixel it covers.
Sketch IconSketch(int sizePixels, Rgb tileColour, Rgb markColour)
{
    Sketch icon(sizePixels, sizePixels, sizePixels / DesignSize);
    const FanMark mark = MakeFanMark(Centre, RingRadius);
    const LayerId tile = icon.AddLayer(Layer{"TILE", 7, tileColour});
    const LayerId blue = icon.AddLayer(Layer{"MARK", 5, markColour});
    icon.AddSolid(tile, Disk(Centre, TileRadius));
    // The ring as filled pieces, not a stroked circle: a stroke is snapped
    // to whole pixels, which shifts it against the tile at small sizes.
    const double inner = mark.ringRadius - mark.ringPen / 2;
    const double outer = mark.ringRadius + mark.ringPen / 2;
    for (int piece = 0; piece < RoundCorners; ++piece) {
        const double from = 360.0 * piece / RoundCorners;
        const double to = 360.0 * (piece + 1) / RoundCorners;
        icon.AddSolid(blue, {Polar(Centre, inner, from), Polar(Centre, outer, from), Polar(Centre, outer, to),
                             Polar(Centre, inner, to)});
    }
    for (const std::vector<Point>& blade : mark.blades)
        icon.AddSolid(blue, blade);
    icon.AddSolid(blue, Disk(Centre, mark.hubRadius));
    return icon;
}

std::uint8_t Clamped(double value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, static_cast<long>(Opaque)));
}

// A colour seen over white paper at the given coverage, without the paper.
std::uint8_t WithoutPaper(std::uint8_t seen, int alpha)
{
    return Clamped((seen - (Opaque - alpha)) * static_cast<double>(Opaque) / alpha);
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

std::string SvgPoint(Point p)
{
    return Number(p.x) + "," + Number(DesignSize - p.y);
}

std::string HexColour(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

}  // namespace

TransparentImage RenderProgramIcon(int sizePixels)
{
    const Image seen = RenderSketch(IconSketch(sizePixels, White, BrandBlue), IconSupersampling);
    const Image coverage = RenderSketch(IconSketch(sizePixels, Black, Black), IconSupersampling);
    TransparentImage icon{sizePixels, sizePixels, {}};
    icon.rgba.reserve(static_cast<std::size_t>(sizePixels) * sizePixels * 4);
    for (int y = 0; y < sizePixels; ++y)
        for (int x = 0; x < sizePixels; ++x) {
            const int alpha = Opaque - coverage.At(x, y).red;
            const Rgb colour = seen.At(x, y);
            if (alpha == 0) {
                icon.rgba.insert(icon.rgba.end(), {0, 0, 0, 0});
                continue;
            }
            icon.rgba.insert(icon.rgba.end(), {WithoutPaper(colour.red, alpha), WithoutPaper(colour.green, alpha),
                                               WithoutPaper(colour.blue, alpha), static_cast<std::uint8_t>(alpha)});
        }
    return icon;
}

std::string ProgramIconSvg()
{
    const FanMark mark = MakeFanMark(Centre, RingRadius);
    const std::string blue = HexColour(BrandBlue);
    const std::string size = Number(DesignSize);
    const std::string cx = Number(Centre.x);
    const std::string cy = Number(DesignSize - Centre.y);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" + size + "\" viewBox=\"0 0 " +
           size + " " + size + "\">\n";
    svg += "  <circle cx=\"" + cx + "\" cy=\"" + cy + "\" r=\"" + Number(TileRadius) + "\" fill=\"" +
           HexColour(White) + "\"/>\n";
    svg += "  <circle cx=\"" + cx + "\" cy=\"" + cy + "\" r=\"" + Number(mark.ringRadius) +
           "\" fill=\"none\" stroke=\"" + blue + "\" stroke-width=\"" + Number(mark.ringPen) + "\"/>\n";
    for (const std::vector<Point>& blade : mark.blades) {
        svg += "  <polygon fill=\"" + blue + "\" points=\"";
        for (std::size_t i = 0; i < blade.size(); ++i)
            svg += (i == 0 ? "" : " ") + SvgPoint(blade[i]);
        svg += "\"/>\n";
    }
    svg += "  <circle cx=\"" + cx + "\" cy=\"" + cy + "\" r=\"" + Number(mark.hubRadius) + "\" fill=\"" + blue + "\"/>\n";
    svg += "</svg>\n";
    return svg;
}

std::vector<IconOutput> ProgramIconOutputs()
{
    std::vector<IconOutput> outputs;
    for (const int size : ProgramIconSizes)
        outputs.push_back({ProgramIconPngName(size), EncodePng(RenderProgramIcon(size))});
    outputs.push_back({ProgramIconSvgName(), ProgramIconSvg()});
    return outputs;
}

}  // namespace kr::drawgen
