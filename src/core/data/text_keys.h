#pragma once

#include <span>
#include <string_view>

namespace kr {

// A text of the language files, looked up by its English key (ignoring case).
// Args holds one letter per format argument, in the order the caller passes
// them: 'd' integer, 'f' floating point, 's' text. An empty Args means the
// text is shown as it stands and is never formatted.
struct TextKey {
    std::string_view Key;
    std::string_view Args;
};

// Every key the program looks up, once. Code looks texts up through these
// constants only, so that each shipped language file can be checked to hold
// every one of them. Keys that differ only in letter case are one key.
namespace keys {

// The language file as a whole
inline constexpr TextKey Language{"LANGUAGE", ""};  // also looked up as "Language"
inline constexpr TextKey Flag{"FLAG", ""};
inline constexpr TextKey HelpFile{"HelpFile", ""};
inline constexpr TextKey Install{"INSTALL", ""};
inline constexpr TextKey InstallText{"InstallText", ""};
inline constexpr TextKey Version{"Version", ""};
// The language code of Qt's own translations for its standard dialogs ("da", "de").
inline constexpr TextKey QtLocale{"Locale", ""};

// Start-up and data-file errors
inline constexpr TextKey ErrorCaption{"Error Caption", ""};
inline constexpr TextKey ErrorCdCaption{"Error CD Caption", ""};
inline constexpr TextKey ErrorCdMissing{"Error CD missing", ""};
inline constexpr TextKey ErrorDataMissing{"Error Data missing", ""};
inline constexpr TextKey ErrorPricefile{"Error Pricefile", ""};

// Buttons shared by several windows
inline constexpr TextKey Ok{"OK", ""};
inline constexpr TextKey Close{"Close", ""};
inline constexpr TextKey HintClose{"Hint Close", ""};
inline constexpr TextKey Help{"Help", ""};
inline constexpr TextKey HintHelp{"Hint Help", ""};
inline constexpr TextKey Reset{"Reset", ""};
inline constexpr TextKey HintReset{"Hint Reset", ""};
inline constexpr TextKey Cancel{"Cancel", ""};
inline constexpr TextKey HintCancel{"Hint Cancel", ""};
inline constexpr TextKey Back{"Back", ""};
inline constexpr TextKey HintBack{"Hint Back", ""};
inline constexpr TextKey HintLanguage{"Hint Language", ""};

// Main window: start menu
inline constexpr TextKey KrOilCoolers{"KR-oil coolers", ""};
inline constexpr TextKey CalculateSearch{"Calculate / Search", ""};
inline constexpr TextKey HintCalculateSearch{"Hint Calculate / Search", ""};
inline constexpr TextKey KrProductInformation{"KR product information", ""};
inline constexpr TextKey HintKrProductInformation{"Hint KR product information", ""};
inline constexpr TextKey KalvornCompanyProfile{"Kalvorn company profile", ""};
inline constexpr TextKey HintKalvornCompanyProfile{"Hint Kalvorn company profile", ""};
inline constexpr TextKey DoNotShowThis{"Do not show this", ""};
inline constexpr TextKey HintDoNotShowThis{"Hint Do not show this", ""};

// Main window: menus, tabs and status bar
inline constexpr TextKey File{"File", ""};
inline constexpr TextKey Options{"Options", ""};
inline constexpr TextKey Calculation{"Calculation", ""};
inline constexpr TextKey KnownCooler{"Known cooler", ""};
inline constexpr TextKey Quotation{"Quotation", ""};
inline constexpr TextKey Print{"Print", ""};
inline constexpr TextKey PrinterSetup{"Printer setup", ""};
inline constexpr TextKey Exit{"Exit", ""};
inline constexpr TextKey Minimize{"Minimize", ""};
inline constexpr TextKey Accessories{"Accessories", ""};
inline constexpr TextKey HeatRejectionCalculation{"Heat rejection calculation", ""};
inline constexpr TextKey PriceUpdate{"Price update", ""};
inline constexpr TextKey InstallationInstructions{"Installation instructions", ""};
inline constexpr TextKey Drawings{"Drawings", ""};
inline constexpr TextKey HelpTopics{"Help topics", ""};
inline constexpr TextKey About{"About", ""};
inline constexpr TextKey TechnicalData{"Technical data", ""};
inline constexpr TextKey PerformanceCurves{"Performance curves", ""};
inline constexpr TextKey Drawing{"Drawing", ""};
inline constexpr TextKey CalculationText{"CalculationText", ""};
inline constexpr TextKey KnownText{"KnownText", ""};
inline constexpr TextKey QuotationText{"QuotationText", ""};
inline constexpr TextKey TechnicalText{"TechnicalText", "s"};
inline constexpr TextKey PerformanceText{"PerformanceText", "s"};
inline constexpr TextKey DrawingText{"DrawingText", "s"};
inline constexpr TextKey ErrorHelpMissing{"Error Help missing", "s"};  // the help file's path

// Main window: buttons of the pages
inline constexpr TextKey Search{"Search", ""};
inline constexpr TextKey HintSearch{"Hint Search", ""};
inline constexpr TextKey HintTechnicalData{"Hint Technical data", ""};
inline constexpr TextKey TransferToQuotation{"Transfer to quotation", ""};  // also the hint in the accessories dialog
inline constexpr TextKey HintTransferToQuotation{"Hint Transfer to quotation", ""};
inline constexpr TextKey HintAccessories{"Hint Accessories", ""};
inline constexpr TextKey PrintQuotation{"Print quotation", ""};
inline constexpr TextKey HintPrintQuotation{"Hint Print quotation", ""};
inline constexpr TextKey PrintData{"Print data", ""};  // also looked up as "Print Data"
inline constexpr TextKey HintPrintData{"Hint Print data", ""};
inline constexpr TextKey PrintDrawing{"Print drawing", ""};
inline constexpr TextKey HintPrintDrawing{"Hint Print drawing", ""};
inline constexpr TextKey SaveAsDxf{"Save as DXF", ""};
inline constexpr TextKey HintSaveAsDxf{"Hint Save as DXF", ""};
inline constexpr TextKey CopyToClipboard{"Copy to clipboard", ""};
inline constexpr TextKey HintCopyToClipboard{"Hint Copy to clipboard", ""};
inline constexpr TextKey PrintGraphs{"Print graphs", ""};
inline constexpr TextKey HintPrintGraphs{"Hint Print graphs", ""};
inline constexpr TextKey SaveAsBmp{"Save as BMP", ""};
inline constexpr TextKey HintSaveAsBmp{"Hint Save as BMP", ""};

// Main window: duty input of the Calculation and Known cooler tabs
inline constexpr TextKey InputData{"Input data", ""};
inline constexpr TextKey MotorSelection{"Motor selection", ""};
inline constexpr TextKey WorkingConditions{"Working conditions", ""};
inline constexpr TextKey HeatRejection{"Heat rejection", ""};  // also looked up as "Heat Rejection"
inline constexpr TextKey HintHeatRejection{"Hint Heat rejection", ""};
inline constexpr TextKey OilFlow{"Oil flow", ""};
inline constexpr TextKey HintOilFlow{"Hint Oil flow", ""};
inline constexpr TextKey AmbientTemperature{"Ambient temperature", ""};
inline constexpr TextKey HintAmbientTemperature{"Hint Ambient temperature", ""};
inline constexpr TextKey OilTemperatureInlet{"Oil temperature-inlet", ""};
inline constexpr TextKey HintOilTemperatureInlet{"Hint Oil temperature-inlet", ""};
inline constexpr TextKey AcDc{"AC/DC", ""};
inline constexpr TextKey HintAcDc{"Hint AC/DC", ""};
inline constexpr TextKey Hydraulic{"Hydraulic", ""};
inline constexpr TextKey HintHydraulic{"Hint Hydraulic", ""};
inline constexpr TextKey KrcOilCoolerWithCirculationPump{"KRC (Oil cooler with circulation pump)", ""};
inline constexpr TextKey HintKrcOilCoolerWithCirculationPump{"Hint KRC (Oil cooler with circulation pump)", ""};
inline constexpr TextKey MaxPressureLoss{"Max. pressure loss", ""};
inline constexpr TextKey HintMaxPressureLoss{"Hint Max. pressure loss", ""};
inline constexpr TextKey Altitude{"Altitude", ""};
inline constexpr TextKey HintAltitude{"Hint Altitude", ""};
inline constexpr TextKey OilType{"Oil type", ""};
inline constexpr TextKey HintOilType{"Hint Oil type", ""};
inline constexpr TextKey UseDefaultWorkingConditions{"Use default working conditions", ""};
inline constexpr TextKey HintUseDefaultWorkingConditions{"Hint Use default working conditions", ""};
// What a screen reader says a unit list beside a value is.
inline constexpr TextKey UnitOfMeasure{"Unit of measure", ""};
inline constexpr TextKey SelectAKrCooler{"Select a KR cooler", ""};
inline constexpr TextKey HintSelectAKrCooler{"Hint Select a KR cooler", ""};
inline constexpr TextKey HintMotorsize{"Hint motorsize", ""};

// Main window: Quotation tab
inline constexpr TextKey To{"To:", ""};
inline constexpr TextKey NameAndAddressOfReceiver{"Name and address of receiver", ""};
inline constexpr TextKey HintNameAndAddressOfReceiver{"Hint Name and address of receiver", ""};
inline constexpr TextKey YourRef{"Your ref.:", ""};
inline constexpr TextKey HintYourRef{"Hint Your ref.:", ""};
inline constexpr TextKey Att{"Att.:", ""};
inline constexpr TextKey HintAtt{"Hint Att.:", ""};
inline constexpr TextKey Delivery{"Delivery", ""};
inline constexpr TextKey HintDelivery{"Hint Delivery", ""};
inline constexpr TextKey OurRef{"Our ref.:", ""};
inline constexpr TextKey HintOurRef{"Hint Our ref.:", ""};
inline constexpr TextKey QuotationNr{"Quotation nr.:", ""};
inline constexpr TextKey HintQuotationNr{"Hint Quotation nr.:", ""};
inline constexpr TextKey Payment{"Payment", ""};
inline constexpr TextKey HintPayment{"Hint Payment", ""};
inline constexpr TextKey Date{"Date", ""};
inline constexpr TextKey HintDate{"Hint Date", ""};
inline constexpr TextKey LeadTime{"Lead time", ""};
inline constexpr TextKey HintLeadTime{"Hint Lead time", ""};  // also the hint of "Lead time:" in the options
inline constexpr TextKey Position{"Position", ""};
inline constexpr TextKey KrCoolerItem{"KR-cooler", ""};
inline constexpr TextKey Quantity{"Quantity", ""};
inline constexpr TextKey GrossUnitPrice{"Gross unit price", ""};
inline constexpr TextKey Total{"Total", ""};
inline constexpr TextKey ChooseQuantity{"Choose quantity", ""};
inline constexpr TextKey IncreaseQuantity{"Increase quantity", ""};
inline constexpr TextKey DecreaseQuantity{"Decrease quantity", ""};
inline constexpr TextKey HintDeleteLine{"Hint Delete line", ""};

// Saved quotations in the program: the File menu's items, their dialogs and messages
inline constexpr TextKey SaveQuotation{"Save quotation", ""};
inline constexpr TextKey HintSaveQuotation{"Hint Save quotation", ""};
inline constexpr TextKey OpenQuotation{"Open quotation", ""};
inline constexpr TextKey HintOpenQuotation{"Hint Open quotation", ""};
inline constexpr TextKey QuotationFiles{"Quotation files", ""};              // the file type in the dialogs
inline constexpr TextKey AskReplaceQuotation{"Ask replace quotation", "s"};  // the file to open
inline constexpr TextKey ItemsNotKnown{"Items not known", "s"};              // the opened file; the items follow
inline constexpr TextKey ItemNotKnown{"Item not known", ""};                 // the mark of such an item in the grid

// Result grids
inline constexpr TextKey KrCooler{"KR cooler", ""};
inline constexpr TextKey Motor{"Motor", ""};
inline constexpr TextKey HydraulicMotor{"Hydraulic Motor", ""};
inline constexpr TextKey HeatRejectionKw{"Heat rejection (kW)", ""};
inline constexpr TextKey OilPressureLossBar{"Oil pressure loss (bar)", ""};
inline constexpr TextKey Spl{"SPL", ""};
inline constexpr TextKey DbA1m{"dB(A) 1m", ""};
inline constexpr TextKey Price{"Price", ""};
inline constexpr TextKey NoData{"No data", ""};
inline constexpr TextKey Sort{"Sort", ""};
inline constexpr TextKey HintSelectHydraulicMotor{"Hint select hydraulic motor", ""};
inline constexpr TextKey SortBy{"Sort by", "s"};  // a heading, on one line
inline constexpr TextKey PreviousMotor{"Previous motor", ""};
inline constexpr TextKey NextMotor{"Next motor", ""};

// Duty checks: numbered entries of the error list, the number first
inline constexpr TextKey NoMotortype{"No motortype", "d"};
inline constexpr TextKey ErrorEmptyHeatRejection{"Error empty heatRejection", "d"};
inline constexpr TextKey ErrorEmptyOilflow{"Error empty oilflow", "d"};
inline constexpr TextKey ErrorEmptyAmbient{"Error empty ambient", "d"};
inline constexpr TextKey ErrorEmptyOiltemp{"Error empty oiltemp", "d"};
inline constexpr TextKey ErrorEmptyMaxpressloss{"Error empty maxpressloss", "d"};
inline constexpr TextKey ErrorEmptyAltitude{"Error empty altitude", "d"};
inline constexpr TextKey ErrorLowOilflow{"Error low oilflow", "dfsfs"};  // n, lowest, unit, highest, unit
inline constexpr TextKey ErrorLowAirtemp{"Error low airtemp", "dfs"};    // n, limit, unit
inline constexpr TextKey ErrorHighAirtemp{"Error high airtemp", "dfs"};
inline constexpr TextKey ErrorLowOiltemp{"Error low oiltemp", "dfs"};
inline constexpr TextKey ErrorHighOiltemp{"Error high oiltemp", "dfs"};
inline constexpr TextKey ErrorTempDif{"Error temp dif", "dfs"};
inline constexpr TextKey ErrorPressloss{"Error pressloss", "dfs"};
inline constexpr TextKey ErrorHeight{"Error height", "dfsfs"};  // n, lowest, unit, highest, unit
inline constexpr TextKey ErrorKwc{"Error kwc", "d"};
inline constexpr TextKey ErrorNoCoolerOilflow{"Error no cooler oilflow", "d"};
inline constexpr TextKey ErrorNoCooler{"Error no cooler", "d"};

// Selection by duty
inline constexpr TextKey AskPresslossText{"Ask pressloss Text", ""};
inline constexpr TextKey AskPresslossCaption{"Ask pressloss Caption", ""};
// A hydraulic motor displacement in the database that is not a whole number
inline constexpr TextKey ErrorNotAWholeNumber{"Error not a whole number", "s"};

// Technical data page and its print
inline constexpr TextKey Unit{"Unit", ""};
inline constexpr TextKey TotalHeatRejectionRequired{"Total heat rejection (required)", ""};
inline constexpr TextKey TotalHeatRejectionActual{"Total heat rejection (actual)", ""};
inline constexpr TextKey OilData{"Oil data:", ""};
inline constexpr TextKey OilInletTemperature{"Oil inlet temperature", ""};
inline constexpr TextKey OilOutletTemperature{"Oil outlet temperature", ""};
inline constexpr TextKey UseThermoBypass{"Use thermo-bypass", ""};
inline constexpr TextKey PressureDrop{"Pressure drop", "f"};  // viscosity in cSt
inline constexpr TextKey MaximumCSt{"Maximum cSt", ""};
inline constexpr TextKey AirData{"Air data:", ""};
inline constexpr TextKey AirFlow{"Air flow", ""};
// limit, its unit, air outlet temperature as text, its unit
inline constexpr TextKey PrintOutletHigh{"Print outlet high", "fsss"};
inline constexpr TextKey SoundData{"Sound data:", ""};
inline constexpr TextKey SoundPressureLevel{"Sound pressure level", ""};
inline constexpr TextKey BasedOnHemispherical{"Based on hemispherical", ""};
inline constexpr TextKey MotorData{"Motor data:", ""};
inline constexpr TextKey MotorType{"Motor type", ""};
inline constexpr TextKey RequiredOilflow{"Required oilflow", ""};
inline constexpr TextKey RequiredOilpressure{"Required oilpressure", ""};
inline constexpr TextKey Voltage{"Voltage", ""};
inline constexpr TextKey Amperage{"Amperage", ""};
inline constexpr TextKey Power{"Power", ""};
inline constexpr TextKey RotationalSpeed{"Rotational speed", ""};
inline constexpr TextKey UnitData{"Unit data:", ""};
inline constexpr TextKey MaxWorkingPressure{"Max. working pressure", ""};
inline constexpr TextKey NetWeight{"Net weight", ""};
inline constexpr TextKey OilVolume{"Oil volume", ""};  // also the heat calculator's field
inline constexpr TextKey PriceColon{"Price:", ""};
inline constexpr TextKey TechnicalDataFor{"Technical data for", ""};
inline constexpr TextKey SpecificationHeading{"Specification", ""};

// Performance curves, on screen and printed
inline constexpr TextKey CoolingPerformance{"Cooling performance", ""};
inline constexpr TextKey PressureLoss{"Pressure loss", ""};  // also the options dialog's label
inline constexpr TextKey Requirement{"Requirement", ""};
inline constexpr TextKey OilViscosity{"Oil viscosity", ""};
// The printer's page cannot hold the printed charts.
inline constexpr TextKey ErrorCurvesPageNarrow{"Error curves page narrow", ""};
// A cooler with its own pump was asked for its performance curves.
inline constexpr TextKey ErrorNoCurves{"Error no curves", ""};

// Drawing viewer
inline constexpr TextKey HintKrCooler{"Hint KR cooler", ""};
inline constexpr TextKey ErrorNoDrawing{"Error no drawing", ""};
inline constexpr TextKey ErrorDrawingMissing{"Error Drawing missing", "s"};  // the DXF file
// A file the user saves (the DXF copy, the curves picture) could not be
// written; the reason follows.
inline constexpr TextKey ErrorSaveFile{"Error Save file", "s"};
// What a screen reader says of the curves picture: the cooler's designation.
inline constexpr TextKey CurvesDescription{"Curves description", "s"};

// Options dialog
inline constexpr TextKey UserOptions{"User options", ""};
inline constexpr TextKey ProgramOptions{"Program options", ""};
inline constexpr TextKey ShowStartScreen{"Show start screen", ""};
inline constexpr TextKey HintShowStartScreen{"Hint Show start screen", ""};
inline constexpr TextKey YourNameAndAddress{"Your name and address:", ""};
inline constexpr TextKey HintYourNameAndAddress{"Hint Your name and address:", ""};
inline constexpr TextKey UserName{"User name:", ""};
inline constexpr TextKey HintUserName{"Hint User name:", ""};
inline constexpr TextKey IncludeThisAddressOnPrint{"Include this address on print", ""};
inline constexpr TextKey HintIncludeThisAddressOnPrint{"Hint Include this address on print", ""};
inline constexpr TextKey PriceDiscount{"Price discount", ""};  // a fixed "%" label follows it
inline constexpr TextKey HintPriceDiscount{"Hint Price discount", ""};
inline constexpr TextKey LeadTimeColon{"Lead time:", ""};
inline constexpr TextKey DeliveryColon{"Delivery:", ""};
inline constexpr TextKey HintDeliveryColon{"Hint Delivery:", ""};
inline constexpr TextKey PaymentColon{"Payment:", ""};
inline constexpr TextKey HintPaymentColon{"Hint Payment:", ""};
inline constexpr TextKey Airflow{"Airflow", ""};
inline constexpr TextKey HintAirflow{"Hint Airflow", ""};
inline constexpr TextKey HintPressureLoss{"Hint Pressure loss", ""};
inline constexpr TextKey Weight{"Weight", ""};
inline constexpr TextKey HintWeight{"Hint Weight", ""};
inline constexpr TextKey Volume{"Volume", ""};
inline constexpr TextKey HintVolume{"Hint Volume", ""};
inline constexpr TextKey SetBackToDefault{"Set back to default", ""};
inline constexpr TextKey HintSetBackToDefault{"Hint Set back to default", ""};
// The settings (options, start menu, window) could not be saved: the settings file.
inline constexpr TextKey ErrorSettingsWrite{"Error Settings write", "s"};

// Accessories dialog
inline constexpr TextKey ChooseTheAccessories{"Choose the accessories you wish to purchase", ""};
inline constexpr TextKey ThermoSwitch{"Thermo-switch", ""};
inline constexpr TextKey HintThermoSwitch{"Hint Thermo-switch", ""};
inline constexpr TextKey ThermoBypass{"Thermo-bypass", ""};
inline constexpr TextKey HintThermoBypass{"Hint Thermo-bypass", ""};
inline constexpr TextKey Adapters{"Adapters", ""};
inline constexpr TextKey HintAdapter{"Hint Adapter", ""};

// Price update dialog
inline constexpr TextKey ImportPriceFile{"Import price file", ""};
inline constexpr TextKey HintOpenPriceFile{"Hint Open price file", ""};
inline constexpr TextKey PriceData{"Price data", ""};
inline constexpr TextKey UpdatePrices{"Update prices", ""};
inline constexpr TextKey HintUpdatePrices{"Hint Update prices", ""};
inline constexpr TextKey DiskDate{"DiskDate", ""};
inline constexpr TextKey DiskId{"DiskID", ""};
inline constexpr TextKey Publisher{"Publisher", ""};
inline constexpr TextKey EndDate{"EndDate", ""};
// A price disk file refused before it replaces the price file, and what
// follows every refusal or failed update.
inline constexpr TextKey ErrorPriceDiskUnreadable{"Error Price disk unreadable", "ss"};  // the file, why
inline constexpr TextKey ErrorPriceDiskNoHeader{"Error Price disk no header", "s"};      // the file
inline constexpr TextKey ErrorPriceDiskRecords{"Error Price disk records", "sd"};        // the file, its bytes
inline constexpr TextKey PricesKept{"Prices kept", ""};

// Print selection dialog
inline constexpr TextKey PrintSelection{"Print selection", ""};
inline constexpr TextKey Printer{"Printer", ""};
inline constexpr TextKey HintPrint{"Hint Print", ""};
inline constexpr TextKey SetupPrinter{"Setup printer", ""};
inline constexpr TextKey HintSetupPrinter{"Hint Setup printer", ""};
inline constexpr TextKey PrintInstallationInstructions{"Print installation instructions", ""};
inline constexpr TextKey HintPrintInstallationInstructions{"Hint Print installation instructions", ""};
inline constexpr TextKey IncludePricesOnPrint{"Include prices on print", ""};
inline constexpr TextKey HintIncludePricesOnPrint{"Hint Include prices on print", ""};
// Where the printouts go: the printer, or PDF files in a folder
inline constexpr TextKey PrintToPdf{"Print to PDF", ""};
inline constexpr TextKey HintPrintToPdf{"Hint Print to PDF", ""};
inline constexpr TextKey NoPrinter{"No printer", ""};
inline constexpr TextKey PdfFolder{"PDF folder", ""};
inline constexpr TextKey PdfFilesSaved{"PDF files saved", "s"};  // the folder
inline constexpr TextKey ErrorPdfFile{"Error PDF file", "ss"};   // the file, why
inline constexpr TextKey ErrorPrintJob{"Error print job", "ss"};  // the document, the printer

// Sender block of the quotation page and of every printout
inline constexpr TextKey KalvornGroup{"Kalvorn Group", ""};
inline constexpr TextKey Address{"Address", ""};
inline constexpr TextKey Post{"Post", ""};
inline constexpr TextKey Country{"Country", ""};
inline constexpr TextKey Phone{"Phone", ""};
inline constexpr TextKey Fax{"Fax", ""};

// Page footer of the printouts
inline constexpr TextKey PrintPrint{"print print", "ss"};  // program name, version text
inline constexpr TextKey KrOilCoolersFooter{"KR oil coolers", ""};

// Quotation print
inline constexpr TextKey PrintAtt{"Print att", ""};
inline constexpr TextKey Dear{"Dear", "s"};  // contact person
inline constexpr TextKey DearUnnamed{"Dear unnamed", ""};  // when no contact person is named
inline constexpr TextKey PrintPos{"Print POS", ""};
inline constexpr TextKey PrintDesignation{"Print DESIGNATION", ""};
inline constexpr TextKey PrintQty{"Print QTY", ""};
inline constexpr TextKey PrintPriceUnit{"Print PRICE/UNIT", ""};
inline constexpr TextKey PrintTotal{"Print TOTAL", ""};
inline constexpr TextKey PrintGrossPrice{"Print Gross price", ""};
inline constexpr TextKey PrintDiscount{"Print discount", "d"};  // discount in whole percent
inline constexpr TextKey PrintNettPrice{"Print Nett price", ""};
inline constexpr TextKey PrintValid{"Print Valid", ""};
inline constexpr TextKey PrintCost{"Print cost", ""};
inline constexpr TextKey PrintHope{"Print hope", ""};
inline constexpr TextKey PrintRegards{"Print regards", ""};
inline constexpr TextKey PrintContinue{"Print continue", ""};

// Drawing and parts-list print
inline constexpr TextKey PrintSpareList{"Print Spare List", ""};
inline constexpr TextKey PrintPartNo{"Print Part no", ""};
inline constexpr TextKey PrintCooler{"Print Cooler", ""};
inline constexpr TextKey PrintMotor{"Print motor", ""};
inline constexpr TextKey PrintFan{"Print Fan", ""};
inline constexpr TextKey PrintGitter{"Print Gitter", ""};
inline constexpr TextKey PrintFanCowl{"Print FanCowl", ""};
inline constexpr TextKey PrintFodder{"Print fodder", ""};
inline constexpr TextKey PrintMotorOphang{"Print Motor ophang", ""};
inline constexpr TextKey PrintBeslag{"Print beslag", ""};
inline constexpr TextKey PrintAdapter{"Print Adapter", ""};
inline constexpr TextKey PrintPumpe{"Print pumpe", ""};
inline constexpr TextKey PrintSlange{"Print slange", ""};
inline constexpr TextKey PrintNippel{"Print nippel", ""};
inline constexpr TextKey PrintGasket{"Print Gasket", ""};
inline constexpr TextKey PrintLeje{"Print leje", ""};
inline constexpr TextKey PrintSpline{"Print Spline", ""};
inline constexpr TextKey PrintVarenummer{"print varenummer", ""};

// Installation instructions print
inline constexpr TextKey InstMaintInst{"Inst Maint inst", ""};
inline constexpr TextKey ErrorInstructionsMissing{"Error instructions missing", "s"};  // instructions file
inline constexpr TextKey ErrorInstructionPicture{"Error instruction picture", "s"};     // picture file

// Heat-rejection calculator
inline constexpr TextKey HintOilVolume{"Hint Oil volume", ""};
inline constexpr TextKey Density{"Density", ""};
inline constexpr TextKey HintDensity{"Hint Density", ""};
inline constexpr TextKey SpecificHeat{"Specific heat", ""};
inline constexpr TextKey HintSpecificHeat{"Hint Specific heat", ""};
inline constexpr TextKey InitialTemperature{"Initial temperature", ""};
inline constexpr TextKey HintInitialTemperature{"Hint Initial temperature", ""};
inline constexpr TextKey ObtainedTemperature{"Obtained temperature", ""};
inline constexpr TextKey HintObtainedTemperature{"Hint Obtained temperature", ""};
inline constexpr TextKey TimeInterval{"Time interval", ""};
inline constexpr TextKey HintTimeInterval{"Hint Time interval", ""};
inline constexpr TextKey Calculate{"Calculate", ""};
inline constexpr TextKey HintCalculate{"Hint Calculate", ""};
inline constexpr TextKey Transfer{"transfer", ""};
inline constexpr TextKey HintTransfer{"Hint transfer", ""};

// Installation wizard
inline constexpr TextKey KrCoolers{"KR Coolers", ""};
inline constexpr TextKey KestrelRangeOilCoolers{"Kestrel Range Oil Coolers", ""};
inline constexpr TextKey ChoiceOfInstallation{"Choice of installation", ""};
inline constexpr TextKey Standard{"Standard", ""};
inline constexpr TextKey RecommendedToMostUsers{"Recommended to most users", ""};
inline constexpr TextKey HintStandard{"Hint Standard", ""};
inline constexpr TextKey Customised{"Customised", ""};
inline constexpr TextKey EnablesToChooseComponents{"Enables to choose components", ""};
inline constexpr TextKey HintCustomised{"Hint Customised", ""};
inline constexpr TextKey Server{"Server", ""};
inline constexpr TextKey CreatesACopyOfTheCdRom{"Creates a copy of the CD-ROM on your server/PC and runs program from it", ""};
inline constexpr TextKey HintServer{"Hint Server", ""};
inline constexpr TextKey InstallationLocation{"Installation location", ""};
inline constexpr TextKey Browse{"Browse", ""};
inline constexpr TextKey HintBrowse{"Hint Browse", ""};
inline constexpr TextKey Next{"Next", ""};
inline constexpr TextKey HintNext{"Hint Next", ""};
inline constexpr TextKey CreatesIconInDesktop{"Creates icon in desktop", ""};
inline constexpr TextKey HintCreatesIconInDesktop{"Hint Creates icon in desktop", ""};
inline constexpr TextKey CreateMenuInProgram{"Create menu in program", ""};
inline constexpr TextKey HintCreateMenuInProgram{"Hint Create menu in program", ""};
inline constexpr TextKey CopyFiles{"Copy files", ""};
inline constexpr TextKey HintCopyFiles{"Hint Copy files", ""};
inline constexpr TextKey InstallNow{"Install now", ""};
inline constexpr TextKey OkInstall{"OKInstall", ""};
inline constexpr TextKey SetupOk{"Setup OK", ""};
inline constexpr TextKey HintSetupOk{"Hint Setup OK", ""};
inline constexpr TextKey ErrorCopyFile{"Error Copy File", "s"};    // target file
inline constexpr TextKey ErrorDirectory{"Error Directory", "s"};  // target folder
inline constexpr TextKey ErrorSameFolder{"Error Same folder", "s"};  // target folder, the program's own
inline constexpr TextKey ErrorRelativeFolder{"Error Relative folder", "s"};  // the folder as typed
inline constexpr TextKey ErrorSettingsFile{"Error Settings file", "s"};      // the settings file
inline constexpr TextKey OkInstallFolder{"OKInstall folder", "s"};           // the installation folder
inline constexpr TextKey ServerCopyMade{"Server copy made", "s"};            // the folder of the copy
// Why a file or folder could not be written, said after the message above.
inline constexpr TextKey ReasonDiskFull{"Reason disk full", ""};
inline constexpr TextKey ReasonFileTooLarge{"Reason file too large", ""};
inline constexpr TextKey ReasonPermissionDenied{"Reason permission denied", ""};
inline constexpr TextKey ReasonProgramRunning{"Reason program running", ""};
inline constexpr TextKey ReasonReadOnly{"Reason read-only", ""};
inline constexpr TextKey ReasonNotFound{"Reason not found", ""};
inline constexpr TextKey ReasonInTheWay{"Reason in the way", ""};
inline constexpr TextKey ReasonOther{"Reason other", "s"};  // the system's own words

// Quotation files that cannot be read or written
inline constexpr TextKey QuotationFileUnreadable{"Quotation file unreadable", "ss"};     // file, the system's reason
inline constexpr TextKey QuotationFileNotAQuotation{"Quotation file not a quotation", "ss"};  // file, what it is
inline constexpr TextKey QuotationFileNewer{"Quotation file newer", "sdd"};  // file, its version, the version read
inline constexpr TextKey QuotationFileDamaged{"Quotation file damaged", "ss"};  // file, what is wrong
inline constexpr TextKey QuotationFileNotSaved{"Quotation file not saved", "ss"};  // file, the reason

}  // namespace keys

// Every constant of kr::keys, once.
std::span<const TextKey> AllTextKeys();

}  // namespace kr
