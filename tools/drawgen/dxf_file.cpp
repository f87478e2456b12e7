#include "drawgen/dxf_file.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "core/common/cp1252.h"
#include "drawgen/drawgen_error.h"
#include "drawgen/stroke_font.h"

namespace kr::drawgen {

namespace {

constexpr const char* TextStyle = "STANDARD";

const char* LineTypeName(LineStyle style)
{
    switch (style) {
    case LineStyle::Dashed:
        return "DASHED";
    case LineStyle::Center:
        return "CENTER";
    case LineStyle::Continuous:
        break;
    }
    return "CONTINUOUS";
}

class DxfWriter {
public:
    explicit DxfWriter(const Sketch& sketch) : sketch_(sketch) {}

    std::string Write()
    {
        Header();
        Tables();
        Entities();
        Group(0, "EOF");
        return std::move(out_);
    }

    void operator()(const Line& line)
    {
        Entity("LINE", line.layer);
        Position(10, line.from);
        Position(11, line.to);
    }

    void operator()(const Circle& circle)
    {
        Entity("CIRCLE", circle.layer);
        Position(10, circle.centre);
        Number(40, circle.radius);
    }

    void operator()(const Arc& arc)
    {
        Entity("ARC", arc.layer);
        Position(10, arc.centre);
        Number(40, arc.radius);
        Number(50, arc.startDegrees);
        Number(51, arc.endDegrees);
    }

    void operator()(const Text& text)
    {
        Entity("TEXT", text.layer);
        // The first point is where the text starts on its baseline; CAD
        // programs recompute it for aligned texts from the second point.
        Position(10, BaselineStart(text));
        Number(40, text.height);
        Group(1, DxfText(text.text));
        if (text.rotationDegrees != 0)
            Number(50, text.rotationDegrees);
        Group(7, TextStyle);
        const int horizontal = text.hAlign == HAlign::Left ? 0 : text.hAlign == HAlign::Centre ? 1 : 2;
        const int vertical = text.vAlign == VAlign::Baseline ? 0 : 2;
        if (horizontal != 0)
            Integer(72, horizontal);
        if (horizontal != 0 || vertical != 0)
            Position(11, text.anchor);
        if (vertical != 0)
            Integer(73, vertical);
    }

    void operator()(const Solid& solid)
    {
        // A SOLID has three or four corners, the last two in crossed order;
        // a convex polygon is a fan of triangles.
        for (std::size_t i = 1; i + 1 < solid.corners.size(); ++i) {
            Entity("SOLID", solid.layer);
            Position(10, solid.corners[0]);
            Position(11, solid.corners[i]);
            Position(12, solid.corners[i + 1]);
            Position(13, solid.corners[i + 1]);
        }
    }

private:
    void Group(int code, std::string_view value)
    {
        char codeText[8];
        std::snprintf(codeText, sizeof codeText, "%3d", code);
        out_ += codeText;
        out_ += "\r\n";
        out_ += value;
        out_ += "\r\n";
    }

    void Integer(int code, long value) { Group(code, std::to_string(value)); }

    void Number(int code, double value)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.4f", std::abs(value) < 5e-5 ? 0.0 : value);
        Group(code, text);
    }

    void Position(int code, Point p)
    {
        Number(code, p.x);
        Number(code + 10, p.y);
        Number(code + 20, 0);
    }

    void Entity(const char* type, LayerId layer)
    {
        Group(0, type);
        Group(8, sketch_.LayerOf(layer).name);
    }

    void Variable(const char* name) { Group(9, name); }

    void Header()
    {
        Group(0, "SECTION");
        Group(2, "HEADER");
        Variable("$ACADVER");
        Group(1, "AC1009");
        Variable("$INSBASE");
        Position(10, {0, 0});
        Variable("$EXTMIN");
        Position(10, {0, 0});
        Variable("$EXTMAX");
        Position(10, {sketch_.WidthUnits(), sketch_.HeightUnits()});
        Variable("$LIMMIN");
        Number(10, 0);
        Number(20, 0);
        Variable("$LIMMAX");
        Number(10, sketch_.WidthUnits());
        Number(20, sketch_.HeightUnits());
        Variable("$LTSCALE");
        Number(40, 1);
        Variable("$TEXTSTYLE");
        Group(7, TextStyle);
        Group(0, "ENDSEC");
    }

    void LineType(LineStyle style, const char* description)
    {
        Group(0, "LTYPE");
        Group(2, LineTypeName(style));
        Integer(70, 0);
        Group(3, description);
        Integer(72, 65);  // alignment 'A'
        const std::span<const double> pattern = DashPattern(style);
        Integer(73, static_cast<long>(pattern.size()));
        double total = 0;
        for (const double length : pattern)
            total += sketch_.Units(length);
        Number(40, total);
        for (std::size_t i = 0; i < pattern.size(); ++i)
            Number(49, i % 2 == 0 ? sketch_.Units(pattern[i]) : -sketch_.Units(pattern[i]));
    }

    void LayerEntry(const std::string& name, int colourIndex, LineStyle style)
    {
        Group(0, "LAYER");
        Group(2, name);
        Integer(70, 0);
        Integer(62, colourIndex);
        Group(6, LineTypeName(style));
    }

    void Tables()
    {
        Group(0, "SECTION");
        Group(2, "TABLES");

        Group(0, "TABLE");
        Group(2, "LTYPE");
        Integer(70, 3);
        LineType(LineStyle::Continuous, "Solid line");
        LineType(LineStyle::Dashed, "Dashed __ __ __");
        LineType(LineStyle::Center, "Center ____ _ ____ _");
        Group(0, "ENDTAB");

        Group(0, "TABLE");
        Group(2, "LAYER");
        Integer(70, static_cast<long>(sketch_.Layers().size() + 1));
        LayerEntry("0", 7, LineStyle::Continuous);
        for (const Layer& layer : sketch_.Layers())
            LayerEntry(CheckedLayerName(layer.name), layer.colourIndex, layer.style);
        Group(0, "ENDTAB");

        Group(0, "TABLE");
        Group(2, "STYLE");
        Integer(70, 1);
        Group(0, "STYLE");
        Group(2, TextStyle);
        Integer(70, 0);
        Number(40, 0);  // no fixed height: each text gives its own
        Number(41, 1);
        Number(50, 0);
        Integer(71, 0);
        Number(42, 2.5);
        Group(3, "txt");
        Group(4, "");
        Group(0, "ENDTAB");

        Group(0, "ENDSEC");
    }

    void Entities()
    {
        Group(0, "SECTION");
        Group(2, "ENTITIES");
        for (const Primitive& primitive : sketch_.Primitives())
            std::visit(*this, primitive);
        Group(0, "ENDSEC");
    }

    static Point BaselineStart(const Text& text)
    {
        double dx = 0;
        const double width = TextWidth(text.text, text.height);
        if (text.hAlign == HAlign::Centre)
            dx = -width / 2;
        else if (text.hAlign == HAlign::Right)
            dx = -width;
        const double dy = text.vAlign == VAlign::Middle ? -text.height / 2 : 0;
        const double angle = Radians(text.rotationDegrees);
        return {text.anchor.x + dx * std::cos(angle) - dy * std::sin(angle), text.anchor.y + dx * std::sin(angle) + dy * std::cos(angle)};
    }

    static std::string CheckedLayerName(const std::string& name)
    {
        const bool valid = !name.empty() && name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-$") == std::string::npos;
        if (!valid)
            throw std::invalid_argument("dxf: layer name \"" + name + "\" is not a plain DXF name");
        return name;
    }

    static std::string DxfText(std::string_view utf8)
    {
        std::string out;
        for (std::size_t pos = 0; pos < utf8.size();) {
            const char32_t character = NextCodePoint(utf8, pos);
            if (character == U'\u00D8')
                out += "%%c";
            else if (character == U'\u00B0')
                out += "%%d";
            else if (character == U'%' || character < 0x20 || character > 0x7E)
                throw DrawgenError("the text \"" + std::string(utf8) + "\" cannot be written to a DXF file");
            else
                out += static_cast<char>(character);
        }
        return out;
    }

    const Sketch& sketch_;
    std::string out_;
};

}  // namespace

std::string EncodeDxf(const Sketch& sketch) { return DxfWriter(sketch).Write(); }

}  // namespace kr::drawgen
