#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawgen/sketch.h"

namespace kr::drawgen {

// A fixed picture of the distribution folder: its file name and how to draw it.
struct PictureMaker {
    std::string fileName;
    std::function<Sketch()> build;
    int supersampling;  // 1 keeps every edge on whole pixels, for the tiny flags
};

// The language flags, the maker's logo and the pictures of the installation
// instructions, each under the file name the language and instruction
// files use.
std::vector<PictureMaker> DistributionPictures();

// Each picture on its own.
Sketch FlagEnglish();
Sketch FlagDansk();
Sketch FlagDeutsch();
Sketch KalvornLogo();
Sketch InstMounting();
Sketch InstOilConnection();
Sketch InstElectrical();
Sketch InstHydraulic();
Sketch InstThermoBypass();
Sketch InstThermoSwitch();
Sketch InstCleaning();

}  // namespace kr::drawgen
