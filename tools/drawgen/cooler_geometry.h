#pragma once

#include "drawgen/cooler_description.h"
#include "drawgen/geometry.h"

namespace kr::drawgen {

// The sizes both views share, derived once from a description so that the
// front and the side view always agree. Front view: x across the width
// from the frame's centre, y up from the floor. Side view: x along the
// depth from the air inlet face of the core, y up from the floor.
struct CoolerGeometry {
    explicit CoolerGeometry(const CoolerDescription& description);

    const CoolerDescription& d;

    double axisHeight;      // fan and motor axis
    double cowlRadius;      // outer edge of the cowl ring
    double openingRadius;   // the hole the fan turns in
    double motorRadius;
    double flangeRadius;    // the motor's mounting flange on the cowl face
    double cowlFace;        // side view x of the cowl's face, where the motor is flanged
    double motorEnd;        // side view x of the motor's end
    double overallDepth;    // side view x of the last part (motor or pump)
    double footCentre;      // side view x of the middle of the feet
    double plateThickness;  // foot flange

    double portDiameter;
    double portHexAcrossFlats;
    double motorPortDiameter;  // 0 when the drive has none
    double motorPortStub;      // how far a motor or pump port stands out

    bool hasTerminalBox;       // AC, DC and KRC motors
    bool terminalBoxOnSide;    // KRC: on the motor's right-hand side, clear of the pump hose
    double terminalBoxWidth;   // across, in the front view
    double terminalBoxHeight;  // how far it stands out of the motor
    double terminalBoxLength;  // along the motor
    double terminalBoxStart;   // side view x where it starts
};

}  // namespace kr::drawgen
