#pragma once

#include <cmath>
#include <numbers>

namespace kr::drawgen {

// A point or a vector of a sketch, in the sketch's units (mm on the cooler
// drawings, pixels on the pictures), y pointing up.
struct Point {
    double x = 0;
    double y = 0;

    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator*(Point a, double f) { return {a.x * f, a.y * f}; }
    friend Point operator*(double f, Point a) { return {a.x * f, a.y * f}; }
    friend bool operator==(Point a, Point b) = default;
};

inline double Length(Point v) { return std::hypot(v.x, v.y); }
inline double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
inline double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }

inline Point Unit(Point v)
{
    const double length = Length(v);
    return length > 0 ? v * (1 / length) : Point{};
}

// The vector turned a quarter turn counter-clockwise.
inline Point Normal(Point v) { return {-v.y, v.x}; }

inline double Radians(double degrees) { return degrees * std::numbers::pi / 180; }
inline double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

inline Point Polar(Point centre, double radius, double degrees)
{
    return {centre.x + radius * std::cos(Radians(degrees)), centre.y + radius * std::sin(Radians(degrees))};
}

// An axis-parallel rectangle given by two corners, left < right, bottom < top.
struct Box {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    Point Centre() const { return {(left + right) / 2, (bottom + top) / 2}; }
    bool Contains(Point p) const { return p.x > left && p.x < right && p.y > bottom && p.y < top; }
};

inline Box BoxAround(Point centre, double width, double height)
{
    return {centre.x - width / 2, centre.y - height / 2, centre.x + width / 2, centre.y + height / 2};
}

}  // namespace kr::drawgen
