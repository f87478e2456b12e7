#pragma once

#include "core/common/json_writer.h"
#include "core/engine/result_grid.h"

#include <string>
#include <string_view>
#include <vector>

namespace kr::cli {

// One result as an object: its record's Designation, CoolerType, ItemNo,
// MotorKind, the result fields under their names, its Price and Currency,
// and "cells", the texts of the grid row that shows it.
void WriteResult(JsonWriter& json, const tCoolType& result, const std::vector<std::string>& cells);

// The results of a shown grid in rank order: "rows": [...]; for a hydraulic
// selection "groups": [[...], ...], every motor of a group with the cells
// its row shows when stepped to it.
void WriteGridResults(JsonWriter& json, const ResultGrid& grid);

// "errors": ["1. ...", ...], one string per entry of the problem list.
void WriteProblems(JsonWriter& json, std::string_view problemText);

}  // namespace kr::cli
