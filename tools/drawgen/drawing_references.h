#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kr::drawgen {

// A drawing name as the cooler records give it, and the CSV line of its row.
struct DrawingReference {
    std::string name;
    std::size_t line = 0;  // 1-based, the header is line 1
};

// The non-empty cells of the "DrawingFile" column of a cooler CSV (header
// row first, cells separated by commas, quoted cells with doubled quotes).
// Throws DrawgenError naming the source when the column is missing, a
// quote is left open, or a name could step out of the picture folder or is
// longer than the record field holds.
std::vector<DrawingReference> ReadDrawingReferences(std::string_view csvText, const std::string& source);

// Longest drawing name the cooler record's DrawingFile field can hold.
constexpr std::size_t MaxDrawingNameLength = 13;

// A name fit to become a file name in the picture folder: not empty, no
// folder separators, no drive colon, not "." or "..", no control characters.
bool IsPlainFileName(std::string_view name);

}  // namespace kr::drawgen
