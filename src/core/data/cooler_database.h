#pragma once

#include "core/data/cool_type.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

inline constexpr std::string_view CoolerDatabaseFileName = "Krdata.dat";

// Every record of Krdata.dat, accessories included, keyed by CoolerType.
using CoolerRecordList = std::vector<tCoolType>;

struct CoolerDatabase {
    CoolerRecordList CoolerRecords;       // sorted by CoolerType ignoring case
    std::vector<std::string> CoolerTypes; // distinct upper-cased cooler types, file order
    std::vector<std::string> Drawings;    // Designation of every cooler record, file order
};

struct CoolerDatabaseLoad {
    CoolerDatabase Database;
    // Empty on success, otherwise the language key of the failure. Records
    // read before the failure stay in the database.
    std::string ErrorKey;
};

// Reads the whole file. A missing file, a read error or a partial last
// record fail with "Error Data missing"; an empty file is no error.
CoolerDatabaseLoad LoadCoolerDatabase(const std::filesystem::path& file);

// The same from bytes in memory (used by the loader and by tests).
CoolerDatabaseLoad ParseCoolerDatabase(std::string_view bytes);

// Sorts by CoolerType ignoring case; records with equal keys keep file order.
void SortCoolerRecords(CoolerRecordList& records);

}  // namespace kr
