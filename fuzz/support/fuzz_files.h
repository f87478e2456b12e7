#pragma once

#include "core/data/language.h"
#include "core/present/current_cooler.h"
#include "core/print/print_context.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kr::fuzz {

// A folder of this fuzzing process for the files a target hands to a
// reader that takes a path, created on first use.
std::filesystem::path ScratchDir();

// Replaces the file with exactly these bytes; aborts when it cannot.
void WriteScratchFile(const std::filesystem::path& file, std::string_view bytes);

// The English language file of the distribution's sources.
const LanguageTable& EnglishTexts();

// The sample cooler records the corpus of the database target starts from.
std::string SampleCoolerRecords();

std::string ReadWholeFile(const std::filesystem::path& file);

// A cooler opened from the Calculation tab with the heat typed there.
CoolerChoices ChoicesFromDutyTab(std::string heatText);

// What the printouts read besides their document, with the given texts.
PrintContext ContextWith(const LanguageTable& texts, std::filesystem::path pictureDir);

}  // namespace kr::fuzz
