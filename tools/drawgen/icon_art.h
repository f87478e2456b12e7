#pragma once

#include <string>
#include <vector>

#include "drawgen/png_file.h"

namespace kr::drawgen {

// The program icon: the logo's fan mark in the maker's blue on a round
// white tile, with transparent corners, so that it reads on light and dark
// panels alike.
TransparentImage RenderProgramIcon(int sizePixels);
std::string ProgramIconSvg();

// A file of the distribution folder and its bytes.
struct IconOutput {
    std::string fileName;
    std::string bytes;
};

// A PNG of the icon at every size the installation puts into the icon
// theme, and the SVG, under the names the installation looks for.
std::vector<IconOutput> ProgramIconOutputs();

}  // namespace kr::drawgen
