#include "cli/result_json.h"

#include "cli/grid_table.h"

namespace kr::cli {

void WriteResult(JsonWriter& json, const tCoolType& result, const std::vector<std::string>& cells)
{
    json.BeginObject()
        .Field("Designation", result.Designation())
        .Field("CoolerType", result.CoolerType())
        .Field("ItemNo", result.ItemNo())
        .Field("MotorKind", result.MotorKind())
        .Field("HeatRejection", result.HeatRejection)
        .Field("PressLoss", result.PressLoss)
        .Field("AirOutletTemp", result.AirOutletTemp)
        .Field("OilOutletTemp", result.OilOutletTemp)
        .Field("Viscosity", result.Viscosity)
        .Field("Temp5Bar", result.Temp5Bar)
        .Field("RequiredHeat", result.RequiredHeat)
        .Field("OilFlow", result.OilFlow)
        .Field("AmbientTemp", result.AmbientTemp)
        .Field("OilInletTemp", result.OilInletTemp)
        .Field("Altitude", result.Altitude)
        .Field("OilTypeIndex", result.OilTypeIndex)
        .Field("Price", result.Price())
        .Field("Currency", result.Currency);
    json.Key("cells").BeginArray();
    for (const std::string& cell : cells)
        json.String(cell);
    json.EndArray().EndObject();
}

void WriteGridResults(JsonWriter& json, const ResultGrid& grid)
{
    if (!grid.HasStepButton()) {
        json.Key("rows").BeginArray();
        for (int row = 1; row <= grid.ResultRowCount(); ++row)
            WriteResult(json, *grid.ResultAt(row), grid.RowCells(row));
        json.EndArray();
        return;
    }
    // Stepping a copy through each group gives every motor the cells its
    // row shows then.
    ResultGrid stepped = grid;
    json.Key("groups").BeginArray();
    for (int row = 1; row <= stepped.ResultRowCount(); ++row) {
        json.BeginArray();
        const std::size_t motors = stepped.HydraulicGroups()[static_cast<std::size_t>(row - 1)].size();
        while (stepped.Step(row, StepDirection::Up) == StepOutcome::Stepped) {
        }
        for (std::size_t motor = 0; motor < motors; ++motor) {
            if (motor > 0)
                stepped.Step(row, StepDirection::Down);
            WriteResult(json, *stepped.ResultAt(row), stepped.RowCells(row));
        }
        json.EndArray();
    }
    json.EndArray();
}

void WriteProblems(JsonWriter& json, std::string_view problemText)
{
    json.Key("errors").BeginArray();
    for (const std::string& entry : ProblemEntries(problemText))
        json.String(entry);
    json.EndArray();
}

}  // namespace kr::cli
