#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "drawgen/cooler_description.h"
#include "drawgen/drawing_references.h"

namespace kr::drawgen {

struct GeneratorOptions {
    std::filesystem::path descriptionDir;           // one <DrawingFile>.txt per drawing
    std::optional<std::filesystem::path> records;   // the cooler CSV whose DrawingFile column must be covered
    std::filesystem::path outputDir;                // the distribution folder
};

// Every description of a folder, by drawing name (the file name without
// ".txt", case kept). Throws DrawgenError for an unreadable or faulty one.
std::map<std::string, CoolerDescription> LoadDescriptions(const std::filesystem::path& folder);

// Throws DrawgenError naming every referenced drawing without a description
// and the CSV lines that use it, so that no drawing is silently missing.
void CheckReferencesCovered(const std::vector<DrawingReference>& references,
                            const std::map<std::string, CoolerDescription>& descriptions, const std::string& source);

// Writes <name>b.bmp and <name>.DXF for every description, every fixed
// picture and the program icon into the output folder. Returns the names of the files written.
std::vector<std::string> GenerateAll(const GeneratorOptions& options);

}  // namespace kr::drawgen
