#include "drawgen/generator.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "core/common/text_case.h"
#include "core/settings/atomic_file.h"
#include "drawgen/bmp_file.h"
#include "drawgen/cooler_sheet.h"
#include "drawgen/drawgen_error.h"
#include "drawgen/dxf_file.h"
#include "drawgen/icon_art.h"
#include "drawgen/pictures.h"
#include "drawgen/raster_renderer.h"

namespace kr::drawgen {

namespace {

namespace fs = std::filesystem;

constexpr const char* DescriptionExtension = ".txt";
constexpr const char* BitmapSuffix = "b.bmp";
constexpr const char* DxfSuffix = ".DXF";

std::string ReadWholeFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw DrawgenError(path.string() + ": cannot be read");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An interrupted run never leaves a half-written picture that looks finished.
void WriteWholeFile(const fs::path& path, const std::string& bytes)
{
    if (const FileWriteResult written = ReplaceFileAtomically(path, bytes); !written.Ok())
        throw DrawgenError(written.error);
}

}  // namespace

std::map<std::string, CoolerDescription> LoadDescriptions(const fs::path& folder)
{
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error)
        throw DrawgenError(folder.string() + ": the folder of drawing descriptions cannot be read: " + error.message());
    std::map<std::string, CoolerDescription> descriptions;
    for (const fs::directory_entry& entry : entries) {
        if (!entry.is_regular_file() || entry.path().extension() != DescriptionExtension)
            continue;
        const std::string name = entry.path().stem().string();
        if (name.size() > MaxDrawingNameLength)
            throw DrawgenError(entry.path().string() + ": the drawing name is longer than " + std::to_string(MaxDrawingNameLength) +
                               " characters, more than a cooler record can name");
        descriptions.emplace(name, ParseCoolerDescription(ReadWholeFile(entry.path()), entry.path().string()));
    }
    return descriptions;
}

void CheckReferencesCovered(const std::vector<DrawingReference>& references, const std::map<std::string, CoolerDescription>& descriptions,
                            const std::string& source)
{
    std::map<std::string, std::vector<std::size_t>> missing;
    for (const DrawingReference& reference : references)
        if (!descriptions.contains(reference.name))
            missing[reference.name].push_back(reference.line);
    if (missing.empty())
        return;
    std::ostringstream message;
    message << source << " names drawings that have no description:";
    for (const auto& [name, lines] : missing) {
        message << "\n  " << name << " (line";
        if (lines.size() > 1)
            message << 's';
        for (std::size_t i = 0; i < lines.size(); ++i)
            message << (i == 0 ? " " : ", ") << lines[i];
        message << ")";
        for (const auto& [described, description] : descriptions)
            if (SameText(described, name))
                message << " - there is " << described << DescriptionExtension << ", but file names must match in letter case";
    }
    throw DrawgenError(message.str());
}

std::vector<std::string> GenerateAll(const GeneratorOptions& options)
{
    const std::map<std::string, CoolerDescription> descriptions = LoadDescriptions(options.descriptionDir);
    if (options.records) {
        const std::string source = options.records->string();
        CheckReferencesCovered(ReadDrawingReferences(ReadWholeFile(*options.records), source), descriptions, source);
    }

    std::error_code error;
    fs::create_directories(options.outputDir, error);
    if (error)
        throw DrawgenError(options.outputDir.string() + ": cannot be created: " + error.message());

    std::vector<std::string> written;
    const auto write = [&](const std::string& fileName, const std::string& bytes) {
        WriteWholeFile(options.outputDir / fileName, bytes);
        written.push_back(fileName);
    };
    for (const auto& [name, description] : descriptions) {
        const Sketch sheet = BuildCoolerSheet(name, description);
        write(name + BitmapSuffix, EncodeBmp(RenderSketch(sheet)));
        write(name + DxfSuffix, EncodeDxf(sheet));
    }
    for (const PictureMaker& picture : DistributionPictures())
        write(picture.fileName, EncodeBmp(RenderSketch(picture.build(), picture.supersampling)));
    for (const IconOutput& icon : ProgramIconOutputs())
        write(icon.fileName, icon.bytes);
    return written;
}

}  // namespace kr::drawgen
