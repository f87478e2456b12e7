#pragma once

#include <string>
#include <string_view>

namespace kr::drawgen {

enum class DriveFamily { Ac, Dc, Hydraulic, Krc };

// One dimension drawing: a cooler size with one drive family, in mm.
// The front view looks at the fan and motor; the oil connections leave the
// right-hand side of the frame, the inlet above the outlet.
struct CoolerDescription {
    std::string typeCode;  // "KR 30"
    DriveFamily drive = DriveFamily::Ac;

    double width = 0;      // frame width
    double height = 0;     // floor to top of the frame
    double coreDepth = 0;  // frame depth along the air flow
    double finWidth = 0;   // finned face of the core
    double finHeight = 0;
    double fanDiameter = 0;
    double cowlDepth = 0;  // from the back of the core to the face of the cowl

    double motorDiameter = 0;
    double motorLength = 0;  // from the face of the cowl to the motor's end

    double footHeight = 0;   // floor to the bottom of the frame
    double footWidth = 0;    // across the width, in the front view
    double footSpacing = 0;  // between the hole centres across the width
    double footLength = 0;   // along the depth, in the side view
    double footHolePitch = 0;  // between the hole centres along the depth
    double footHole = 0;     // hole diameter

    std::string portThread;  // "G 3/4"
    double inletHeight = 0;  // floor to the centre of the inlet
    double outletHeight = 0;
    double portLength = 0;   // how far the connections stand out of the frame

    std::string motorPortThread;  // hydraulic motor P and T, or the pump's ports of a KRC
    double pumpDiameter = 0;      // KRC only
    double pumpLength = 0;        // KRC only, behind the motor
};

// Reads a description: one "key = value" per line, '#' starts a comment,
// blank lines are ignored, numbers in mm. source names the file in
// messages. Throws DrawgenError naming the source, the line and the fault
// for an unknown, repeated or missing key, a bad number, an unknown thread
// or drive, a key that does not belong to the drive, and for sizes that do
// not fit together (a fan wider than the fins, an outlet above the inlet ...).
CoolerDescription ParseCoolerDescription(std::string_view text, const std::string& source);

// Outer diameter of a pipe thread ("G 1/2", "G 1 1/4" ...), 0 when unknown.
double ThreadDiameter(std::string_view thread);

}  // namespace kr::drawgen
