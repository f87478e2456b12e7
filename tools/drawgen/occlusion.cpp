#include "drawgen/occlusion.h"

#include <algorithm>
#include <cmath>

namespace kr::drawgen {

namespace {

// Pieces shorter than this (in sketch units) are dropped: slivers where an
// outline only touches an occluder.
constexpr double Sliver = 1e-6;

bool Inside(Point p, const Occluder& occluder)
{
    if (const auto* disk = std::get_if<Disk>(&occluder))
        return Length(p - disk->centre) < disk->radius;
    return std::get<Box>(occluder).Contains(p);
}

bool InsideAny(Point p, const std::vector<Occluder>& occluders)
{
    return std::any_of(occluders.begin(), occluders.end(), [&](const Occluder& occluder) { return Inside(p, occluder); });
}

// Parameters t in (0, 1) where the segment from + t (to - from) meets the
// edge of a disk.
void SegmentMeetsDisk(Point from, Point to, const Disk& disk, std::vector<double>& ts)
{
    const Point d = to - from;
    const Point f = from - disk.centre;
    const double a = Dot(d, d);
    const double b = 2 * Dot(f, d);
    const double c = Dot(f, f) - disk.radius * disk.radius;
    const double discriminant = b * b - 4 * a * c;
    if (a == 0 || discriminant < 0)
        return;
    const double root = std::sqrt(discriminant);
    ts.push_back((-b - root) / (2 * a));
    ts.push_back((-b + root) / (2 * a));
}

void SegmentMeetsBox(Point from, Point to, const Box& box, std::vector<double>& ts)
{
    const Point d = to - from;
    if (d.x != 0) {
        ts.push_back((box.left - from.x) / d.x);
        ts.push_back((box.right - from.x) / d.x);
    }
    if (d.y != 0) {
        ts.push_back((box.bottom - from.y) / d.y);
        ts.push_back((box.top - from.y) / d.y);
    }
}

// Angles in degrees where a circle meets the edge of a disk.
void CircleMeetsDisk(Point centre, double radius, const Disk& disk, std::vector<double>& angles)
{
    const Point between = disk.centre - centre;
    const double distance = Length(between);
    if (distance == 0 || distance > radius + disk.radius || distance < std::abs(radius - disk.radius))
        return;
    const double along = (distance * distance + radius * radius - disk.radius * disk.radius) / (2 * distance);
    const double spread = Degrees(std::acos(std::clamp(along / radius, -1.0, 1.0)));
    const double towards = Degrees(std::atan2(between.y, between.x));
    angles.push_back(towards - spread);
    angles.push_back(towards + spread);
}

void CircleMeetsBox(Point centre, double radius, const Box& box, std::vector<double>& angles)
{
    for (const double x : {box.left, box.right}) {
        const double dx = x - centre.x;
        if (std::abs(dx) <= radius) {
            const double spread = Degrees(std::acos(dx / radius));
            angles.push_back(spread);
            angles.push_back(-spread);
        }
    }
    for (const double y : {box.bottom, box.top}) {
        const double dy = y - centre.y;
        if (std::abs(dy) <= radius) {
            const double spread = Degrees(std::asin(dy / radius));
            angles.push_back(spread);
            angles.push_back(180 - spread);
        }
    }
}

double Normalised(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0 ? turned + 360 : turned;
}

}  // namespace

std::vector<std::pair<Point, Point>> VisibleSegments(Point from, Point to, const std::vector<Occluder>& occluders)
{
    std::vector<double> ts{0, 1};
    for (const Occluder& occluder : occluders) {
        if (const auto* disk = std::get_if<Disk>(&occluder))
            SegmentMeetsDisk(from, to, *disk, ts);
        else
            SegmentMeetsBox(from, to, std::get<Box>(occluder), ts);
    }
    std::erase_if(ts, [](double t) { return t < 0 || t > 1; });
    std::sort(ts.begin(), ts.end());

    const double length = Length(to - from);
    std::vector<std::pair<Point, Point>> pieces;
    for (std::size_t i = 1; i < ts.size(); ++i) {
        if ((ts[i] - ts[i - 1]) * length < Sliver)
            continue;
        const Point start = from + (to - from) * ts[i - 1];
        const Point end = from + (to - from) * ts[i];
        if (InsideAny((start + end) * 0.5, occluders))
            continue;
        if (!pieces.empty() && pieces.back().second == start)
            pieces.back().second = end;
        else
            pieces.emplace_back(start, end);
    }
    return pieces;
}

std::vector<std::pair<double, double>> VisibleArcs(Point centre, double radius, const std::vector<Occluder>& occluders)
{
    std::vector<double> angles;
    for (const Occluder& occluder : occluders) {
        if (const auto* disk = std::get_if<Disk>(&occluder))
            CircleMeetsDisk(centre, radius, *disk, angles);
        else
            CircleMeetsBox(centre, radius, std::get<Box>(occluder), angles);
    }
    for (double& angle : angles)
        angle = Normalised(angle);
    angles.push_back(0);
    angles.push_back(360);
    std::sort(angles.begin(), angles.end());

    std::vector<std::pair<double, double>> arcs;
    for (std::size_t i = 1; i < angles.size(); ++i) {
        if (Radians(angles[i] - angles[i - 1]) * radius < Sliver)
            continue;
        if (InsideAny(Polar(centre, radius, (angles[i - 1] + angles[i]) / 2), occluders))
            continue;
        if (!arcs.empty() && arcs.back().second == angles[i - 1])
            arcs.back().second = angles[i];
        else
            arcs.emplace_back(angles[i - 1], angles[i]);
    }
    // An arc running through 0 degrees is one arc, not two.
    if (arcs.size() > 1 && arcs.front().first == 0 && arcs.back().second == 360) {
        arcs.front().first = arcs.back().first - 360;
        arcs.pop_back();
    }
    return arcs;
}

void AddVisibleLine(Sketch& sketch, LayerId layer, Point from, Point to, const std::vector<Occluder>& occluders)
{
    for (const auto& [start, end] : VisibleSegments(from, to, occluders))
        sketch.AddLine(layer, start, end);
}

void AddVisiblePolyline(Sketch& sketch, LayerId layer, const std::vector<Point>& points, bool closed,
                        const std::vector<Occluder>& occluders)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        AddVisibleLine(sketch, layer, points[i - 1], points[i], occluders);
    if (closed && points.size() > 2)
        AddVisibleLine(sketch, layer, points.back(), points.front(), occluders);
}

void AddVisibleCircle(Sketch& sketch, LayerId layer, Point centre, double radius, const std::vector<Occluder>& occluders)
{
    const auto arcs = VisibleArcs(centre, radius, occluders);
    if (arcs.size() == 1 && arcs.front().second - arcs.front().first >= 360) {
        sketch.AddCircle(layer, centre, radius);
        return;
    }
    for (const auto& [start, end] : arcs)
        sketch.AddArc(layer, centre, radius, Normalised(start), Normalised(end));
}

}  // namespace kr::drawgen
