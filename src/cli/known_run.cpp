#include "cli/known_run.h"

#include "cli/duty_texts.h"
#include "cli/known_choice.h"
#include "cli/quantity.h"
#include "core/engine/known_rating.h"

namespace kr::cli {

bool ReadOptionInto(const Options& options, std::string_view option, UnitNames units, char separator,
                    std::string& field, int& unit, std::string& error)
{
    return ReadQuantityInto(options.Value(option), units, separator, option, field, unit, error);
}

KnownRead ReadKnownInput(const Options& options, const Session& session)
{
    KnownRead read;
    KnownInput input;
    const char sep = session.DecimalSeparator();
    std::string& error = read.Error;
    if (!ReadOptionInto(options, "--flow", UnitsOilFlow, sep, input.OilFlow, input.OilFlowUnit, error) ||
        !ReadOptionInto(options, "--ambient", UnitsTemperature, sep, input.AmbientTemp, input.AmbientTempUnit, error) ||
        !ReadOptionInto(options, "--inlet", UnitsTemperature, sep, input.InletTemp, input.InletTempUnit, error) ||
        !ReadOptionInto(options, "--altitude", UnitsLength, sep, input.Altitude, input.AltitudeUnit, error))
        return read;
    if (!options.Has("--altitude")) {
        input.Altitude = StandardAltitude;
        input.AltitudeUnit = 0;
    }

    const std::optional<int> oil = ReadOilGrade(options.Value("--oil"));
    if (!oil) {
        error = "--oil: unknown grade \"" + options.Value("--oil") + "\"; the grades are " + OilGradeNameList();
        return read;
    }
    input.OilTypeIndex = *oil;

    const std::string lossUnit = options.Value("--loss-unit", "bar");
    read.PressureUnit = FindUnitIndex(UnitsPressure, lossUnit);
    if (read.PressureUnit < 0) {
        error = "--loss-unit: unknown unit \"" + lossUnit + "\"; the units are " + UnitNameList(UnitsPressure);
        return read;
    }

    const KnownChoiceRead choice = ReadKnownChoice(session.Folder.Database, options.Value("--type"),
                                                   options.Value("--drive"), input.OilFlowUnit, sep);
    if (!choice.Choice) {
        error = choice.Error;
        return read;
    }
    input.CoolerType = choice.Choice->CoolerType;
    input.Drive = choice.Choice->Drive;
    if (input.Drive == DriveChoice::KRC) {
        if (options.Has("--motor")) {
            error = "--motor: a KRC cooler has no motor list";
            return read;
        }
        // The oil-flow field shows the pump flow of a KRC type.
        input.OilFlow = choice.Choice->Controls.PumpFlowText.value_or("");
    } else {
        const std::optional<MotorEntry> motor = FindMotorEntry(choice.Choice->Motors(), options.Value("--motor"));
        if (!motor && options.Has("--motor")) {
            error = "--motor: " + input.CoolerType + " has no motor \"" + options.Value("--motor") +
                    "\"; the motors are " + MotorEntryList(choice.Choice->Motors());
            return read;
        }
        if (motor && input.Drive == DriveChoice::ACDC)
            input.MotorChoice = motor->Value;
        if (motor && input.Drive == DriveChoice::Hydraulic)
            input.HydraulicChoice = motor->Text;
    }
    read.Input = std::move(input);
    return read;
}

KnownRun RunKnownRating(const Session& session, const KnownRead& read)
{
    KnownRun run;
    KnownRating rating = RateKnownCooler(*read.Input, session.Folder.Database.CoolerRecords, session.Folder.Prices,
                                         session.Texts, session.Settings);
    run.Problems = rating.ErrorText;
    run.Grid = ResultGrid(ResultTab::KnownCooler, session.Settings);
    run.Grid.Reset(session.Texts, session.HasPrices());
    run.Shown = run.Grid.ShowKnownRating(std::move(rating), read.Input->Drive, read.PressureUnit, session.Texts);
    return run;
}

}  // namespace kr::cli
