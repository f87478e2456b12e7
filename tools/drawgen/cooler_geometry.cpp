#include "drawgen/cooler_geometry.h"

#include <algorithm>

#include "drawgen/view_parts.h"

namespace kr::drawgen {

namespace {

// Proportions of the parts that the descriptions do not give.
constexpr double CowlRimShare = 0.06;      // of the fan diameter
constexpr double FlangeShare = 1.2;        // of the motor diameter
constexpr double TerminalBoxWidthShare = 0.6;   // of the motor diameter
constexpr double TerminalBoxHeightShare = 0.3;  // of the motor diameter
constexpr double TerminalBoxLengthShare = 0.4;  // of the motor length
constexpr double TerminalBoxStartShare = 0.25;  // of the motor length

}  // namespace

CoolerGeometry::CoolerGeometry(const CoolerDescription& description) : d(description)
{
    axisHeight = (d.footHeight + d.height) / 2;
    const double finHalf = std::min(d.finWidth, d.finHeight) / 2;
    cowlRadius = std::min(d.fanDiameter / 2 * (1 + CowlRimShare * 2), finHalf);
    openingRadius = d.fanDiameter / 2 + (cowlRadius - d.fanDiameter / 2) * 0.3;
    motorRadius = d.motorDiameter / 2;
    flangeRadius = FlangeShare * motorRadius;
    cowlFace = d.coreDepth + d.cowlDepth;
    motorEnd = cowlFace + d.motorLength;
    overallDepth = motorEnd + (d.drive == DriveFamily::Krc ? d.pumpLength : 0);
    footCentre = cowlFace / 2;
    plateThickness = std::max(4.0, d.footHole * 0.5);

    portDiameter = ThreadDiameter(d.portThread);
    portHexAcrossFlats = HexAcrossFlats(portDiameter);
    motorPortDiameter = ThreadDiameter(d.motorPortThread);
    motorPortStub = std::max(0.3 * d.motorDiameter, 1.6 * motorPortDiameter);

    hasTerminalBox = d.drive != DriveFamily::Hydraulic;
    terminalBoxOnSide = d.drive == DriveFamily::Krc;
    terminalBoxWidth = TerminalBoxWidthShare * d.motorDiameter;
    terminalBoxHeight = TerminalBoxHeightShare * d.motorDiameter;
    terminalBoxLength = TerminalBoxLengthShare * d.motorLength;
    terminalBoxStart = cowlFace + TerminalBoxStartShare * d.motorLength;
}

}  // namespace kr::drawgen
