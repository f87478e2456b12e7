#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace kr::test {

inline const std::filesystem::path SourceDir{KR_SOURCE_DIR};
inline const std::filesystem::path HelpDir = SourceDir / "data" / "help";
inline const std::filesystem::path InstructionsDir = SourceDir / "data" / "instructions";
inline const std::filesystem::path LanguageDir = SourceDir / "data" / "lang";

inline constexpr std::array HelpFileNames{
    std::string_view{"Help_English.html"}, std::string_view{"Help_Dansk.html"},
    std::string_view{"Help_Deutsch.html"}};
inline constexpr std::array InstructionFileNames{
    std::string_view{"Install_English.txt"}, std::string_view{"Install_Dansk.txt"},
    std::string_view{"Install_Deutsch.txt"}};

// The pictures of the instructions, made by the distribution's picture generator.
inline constexpr std::array InstructionPictureNames{
    std::string_view{"InstMounting.bmp"},     std::string_view{"InstOilConnection.bmp"},
    std::string_view{"InstElectrical.bmp"},   std::string_view{"InstHydraulic.bmp"},
    std::string_view{"InstThermoBypass.bmp"}, std::string_view{"InstThermoSwitch.bmp"},
    std::string_view{"InstCleaning.bmp"}};

inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kr::test
