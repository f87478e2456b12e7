#include "core/install/install_file_list.h"

#include "core/common/data_file_names.h"
#include "core/common/text_case.h"
#include "core/data/text_keys.h"
#include "core/install/wildcard.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace kr {

namespace fs = std::filesystem;

namespace {

// The programs: Windows builds carry the ".exe" suffix, the others none, so
// each program is also named on its own.
constexpr std::array ProgramPatterns{
    std::string_view{"*.exe"},
    std::string_view{"KR_Oil_Coolers"},
    std::string_view{"Setup"},
    std::string_view{"krcool"},
};

// Language texts, installation instructions, help pages, data files.
constexpr std::array TextAndDataPatterns{
    std::string_view{"*.txt"},
    std::string_view{"*.html"},
    std::string_view{"*.dat"},
    std::string_view{"*.sprog"},
};

// Drawings and their DXF files, only copied when the pictures are.
constexpr std::array PicturePatterns{
    std::string_view{"*.bmp"},
    std::string_view{"*.dxf"},
};

// Further files the program or its users need, wherever their names are
// not caught by the patterns above.
constexpr std::array FurtherPatterns{
    std::string_view{"Help*.*"},         // help pages with the pictures and style sheets they link
    std::string_view{"Install*.*"},      // installation instructions with their pictures
    std::string_view{"KR*.*"},           // the product's own files: its presentation program, the program icon
    std::string_view{"Price*.*"},        // the price file and the copies kept by a price update
    std::string_view{"Manual*.*"},       // a printable user manual
    std::string_view{"Logo*.*"},         // logos of the printouts
    std::string_view{"Readme*.*"},       // release notes for the user
    std::string_view{"Kalvorn.*"},       // the maker's logo in other formats than the drawings' (kalvorn.png)
    std::string_view{"Kalvorn_info.*"},  // the company-profile presentation
    std::string_view{"License*.*"},      // licence texts that must travel with the programs
    std::string_view{"qt.*"},            // Qt's qt.conf, which a deployed build keeps beside its programs
};
static_assert(FurtherPatterns.size() == 11);

constexpr std::string_view EveryFile = "*.*";

bool IsHidden(const fs::path& file)
{
    return file.filename().string().starts_with('.');
}

bool IsOrdinaryFile(const fs::directory_entry& entry)
{
    std::error_code error;
    return entry.symlink_status(error).type() == fs::file_type::regular && !error && !IsHidden(entry.path());
}

class UniqueNames {
public:
    explicit UniqueNames(InstallFileList& list) : list_(list) {}

    void Add(const std::string& name)
    {
        if (std::ranges::find(list_, name) == list_.end())
            list_.push_back(name);
    }

private:
    InstallFileList& list_;
};

void AddFlags(const fs::path& appDir, const LanguageList& languages, UniqueNames& names)
{
    for (const Language& language : languages) {
        const std::string flag = language.Table.Lookup(keys::Flag.Key);
        const fs::path relative(flag);
        if (!StaysInsideFolder(relative))
            continue;
        std::error_code error;
        if (fs::symlink_status(appDir / relative, error).type() == fs::file_type::regular)
            names.Add(relative.generic_string());
    }
}

bool IsPicture(const std::string& name)
{
    return std::ranges::any_of(PicturePatterns, [&](std::string_view pattern) { return MatchesWildcard(pattern, name); });
}

// Without the pictures no pattern may bring one in: the drawings are named
// after their coolers ("KR100ACb.bmp"), which "KR*.*" would match, and the
// logo "kalvorn.bmp" is read from the picture folder like the drawings.
template <typename Patterns>
void AddMatches(const fs::path& appDir, const Patterns& patterns, bool copyPictures, UniqueNames& names)
{
    for (std::string_view pattern : patterns)
        for (const std::string& name : MatchingOrdinaryFiles(appDir, pattern))
            if (copyPictures || !IsPicture(name))
                names.Add(name);
}

}  // namespace

std::vector<std::string_view> InstallFilePatterns(bool copyPictures)
{
    std::vector<std::string_view> patterns(ProgramPatterns.begin(), ProgramPatterns.end());
    patterns.insert(patterns.end(), TextAndDataPatterns.begin(), TextAndDataPatterns.end());
    if (copyPictures)
        patterns.insert(patterns.end(), PicturePatterns.begin(), PicturePatterns.end());
    patterns.insert(patterns.end(), FurtherPatterns.begin(), FurtherPatterns.end());
    return patterns;
}

std::vector<std::string> MatchingOrdinaryFiles(const fs::path& dir, std::string_view pattern)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsOrdinaryFile(*it) && MatchesWildcard(pattern, name))
            names.push_back(name);
    }
    // Ignoring case first, then by bytes, so that the order never depends on
    // the order the folder happens to list its files in.
    std::ranges::sort(names, [](const std::string& a, const std::string& b) {
        const int byText = CompareText(a, b);
        return byText != 0 ? byText < 0 : a < b;
    });
    return names;
}

InstallFileList BuildInstallFileList(const fs::path& appDir, const LanguageList& languages, bool copyPictures)
{
    InstallFileList list;
    UniqueNames names(list);
    AddFlags(appDir, languages, names);
    AddMatches(appDir, InstallFilePatterns(copyPictures), copyPictures, names);
    return list;
}

InstallFileList BuildServerFileList(const fs::path& appDir)
{
    InstallFileList list;
    UniqueNames names(list);
    AddMatches(appDir, std::array{EveryFile}, true, names);
    return list;
}

}  // namespace kr
