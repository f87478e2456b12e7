#include "drawgen/pictures.h"

#include "drawgen/raster_renderer.h"

namespace kr::drawgen {

std::vector<PictureMaker> DistributionPictures()
{
    return {
        {"FlagEnglish.bmp", FlagEnglish, 1},
        {"FlagDansk.bmp", FlagDansk, 1},
        {"FlagDeutsch.bmp", FlagDeutsch, 1},
        {"kalvorn.bmp", KalvornLogo, DefaultSupersampling},
        {"InstMounting.bmp", InstMounting, DefaultSupersampling},
        {"InstOilConnection.bmp", InstOilConnection, DefaultSupersampling},
        {"InstElectrical.bmp", InstElectrical, DefaultSupersampling},
        {"InstHydraulic.bmp", InstHydraulic, DefaultSupersampling},
        {"InstThermoBypass.bmp", InstThermoBypass, DefaultSupersampling},
        {"InstThermoSwitch.bmp", InstThermoSwitch, DefaultSupersampling},
        {"InstCleaning.bmp", InstCleaning, DefaultSupersampling},
    };
}

}  // namespace kr::drawgen
