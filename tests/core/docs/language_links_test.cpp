#include "core/data/language.h"
#include "core/data/text_keys.h"

#include "doc_files.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace kr {
namespace {

// The program finds its help and instructions by the names that each language
// file gives; a name without its file leaves a help button or a printout empty.
TEST(LanguageFiles, NameHelpAndInstructionFilesThatExist)
{
    const LanguageList languages = LoadLanguageList(test::LanguageDir);
    if (languages.empty()) {
        GTEST_SKIP() << "no language files in " << test::LanguageDir;
    }
    for (const Language& language : languages) {
        const std::string help = language.Table.Lookup(keys::HelpFile.Key);
        const std::string instructions = language.Table.Lookup(keys::InstallText.Key);
        EXPECT_FALSE(help.empty()) << language.File;
        EXPECT_FALSE(instructions.empty()) << language.File;
        EXPECT_TRUE(std::filesystem::is_regular_file(test::HelpDir / help)) << language.File << ": " << help;
        EXPECT_TRUE(std::filesystem::is_regular_file(test::InstructionsDir / instructions))
            << language.File << ": " << instructions;
    }
}

// The captions of the screens and dialogs that the help names by their words:
// a caption changed in a language file without its help fails here.
constexpr std::array CaptionsNamedByTheHelp{
    keys::CalculateSearch, keys::DoNotShowThis, keys::KrProductInformation, keys::KalvornCompanyProfile,
    keys::File, keys::Calculation, keys::KnownCooler, keys::Quotation, keys::Print, keys::PrinterSetup,
    keys::Exit, keys::Minimize, keys::Accessories, keys::HeatRejectionCalculation, keys::PriceUpdate,
    keys::Options, keys::InstallationInstructions, keys::Drawings, keys::HelpTopics, keys::About,
    keys::TechnicalData, keys::PerformanceCurves, keys::Drawing, keys::Search, keys::Reset, keys::Help,
    keys::Back, keys::TransferToQuotation, keys::PrintQuotation, keys::PrintData, keys::SaveAsDxf,
    keys::CopyToClipboard, keys::SaveAsBmp, keys::PrintGraphs, keys::PrintDrawing, keys::InputData,
    keys::MotorSelection, keys::WorkingConditions, keys::HeatRejection, keys::OilFlow,
    keys::AmbientTemperature, keys::OilTemperatureInlet, keys::AcDc, keys::Hydraulic,
    keys::KrcOilCoolerWithCirculationPump, keys::MaxPressureLoss, keys::Altitude, keys::OilType,
    keys::UseDefaultWorkingConditions, keys::SelectAKrCooler, keys::To, keys::YourRef, keys::Att,
    keys::OurRef, keys::QuotationNr, keys::Date, keys::Delivery, keys::Payment, keys::LeadTime,
    keys::Position, keys::KrCoolerItem, keys::Quantity, keys::GrossUnitPrice, keys::Total, keys::KrCooler,
    keys::Motor, keys::HydraulicMotor, keys::OilPressureLossBar, keys::NoData, keys::Unit,
    keys::TotalHeatRejectionRequired, keys::TotalHeatRejectionActual, keys::UseThermoBypass,
    keys::MaxWorkingPressure, keys::NetWeight, keys::OilVolume, keys::CoolingPerformance, keys::PressureLoss,
    keys::Requirement, keys::UserOptions, keys::ProgramOptions, keys::ShowStartScreen,
    keys::YourNameAndAddress, keys::UserName, keys::IncludeThisAddressOnPrint, keys::PriceDiscount,
    keys::LeadTimeColon, keys::DeliveryColon, keys::PaymentColon, keys::Airflow, keys::Weight, keys::Volume,
    keys::SetBackToDefault, keys::Close, keys::ThermoSwitch, keys::ThermoBypass, keys::Adapters,
    keys::ImportPriceFile, keys::PriceData, keys::UpdatePrices, keys::DiskDate, keys::DiskId, keys::Publisher,
    keys::EndDate, keys::PrintSelection, keys::Printer, keys::SetupPrinter,
    keys::PrintInstallationInstructions, keys::IncludePricesOnPrint, keys::Cancel, keys::Density,
    keys::SpecificHeat, keys::InitialTemperature, keys::ObtainedTemperature, keys::TimeInterval,
    keys::Calculate, keys::Transfer, keys::ChoiceOfInstallation, keys::Standard, keys::Customised,
    keys::Server, keys::InstallationLocation, keys::Browse, keys::Next, keys::CreatesIconInDesktop,
    keys::CreateMenuInProgram, keys::CopyFiles, keys::SetupOk,
};

TEST(LanguageFiles, HelpNamesTheCaptionsOfItsScreens)
{
    const LanguageList languages = LoadLanguageList(test::LanguageDir);
    if (languages.empty()) {
        GTEST_SKIP() << "no language files in " << test::LanguageDir;
    }
    for (const Language& language : languages) {
        const std::string help = test::ReadBytes(test::HelpDir / language.Table.Lookup(keys::HelpFile.Key));
        ASSERT_FALSE(help.empty()) << language.File;
        for (const TextKey& key : CaptionsNamedByTheHelp) {
            const std::string caption = language.Table.Lookup(key.Key);
            EXPECT_FALSE(caption.empty()) << language.Name << ": no text for " << key.Key;
            EXPECT_NE(help.find(caption), std::string::npos) << language.Name << " help lacks \"" << caption << '"';
        }
    }
}

}  // namespace
}  // namespace kr
