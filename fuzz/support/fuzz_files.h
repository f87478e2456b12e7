#pragma once

#include "core/data/language.h"

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

}  // namespace kr::fuzz
