#pragma once

#include "core/common/delphi_format.h"
#include "core/data/cool_type.h"
#include "core/data/cooler_database.h"
#include "core/data/language.h"
#include "core/engine/result_grid.h"
#include "core/quote/price_file.h"
#include "core/settings/registry_store.h"
#include "core/settings/settings.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace kr::gui {

// Everything the program holds while it runs: made by the start-up, handed
// to the main window, freed when the program ends.
struct AppState {
    std::string AppDir;  // the program's folder, ending in exactly one separator
    bool StartupOk = true;
    bool SetupMode = false;

    LanguageList Languages;
    int ScreenLanguage = -1;  // index into Languages of the screen texts

    kr::Settings Settings;
    std::unique_ptr<RegistryStore> Store;  // where the settings are kept

    FormatSettings Format;  // the locale's decimal separator
    QString DateFormat;     // the locale's short date format, four-digit year

    CoolerDatabase Database;  // CoolerRecords and the lists made from them
    PriceRecordList PriceRecords;

    tCoolType CurrentCooler;
    // The results of the last search of each tab (ResultCoolers and
    // HydraulicGroups, KnownResults) with the grid rows that show them;
    // a reset makes them anew with the locale's separator.
    ResultGrid CalculationResults{ResultTab::Calculation, Format};
    ResultGrid KnownCoolerResults{ResultTab::KnownCooler, Format};

    // The screen texts; an empty table while no language is chosen.
    const LanguageTable& Texts() const;
};

}  // namespace kr::gui
