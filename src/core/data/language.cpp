#include "core/data/language.h"

#include "core/common/cp1252.h"
#include "core/common/text_case.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kr {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view LanguageExtension = ".SPROG";
constexpr std::string_view LanguageNameKey = "LANGUAGE";

bool IsLanguageFile(const fs::directory_entry& entry)
{
    std::error_code error;
    if (!entry.is_regular_file(error))
        return false;
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.')
        return false;
    return SameText(entry.path().extension().string(), LanguageExtension);
}

bool ReadWholeFile(const fs::path& file, std::string& bytes)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

LanguageTable::LanguageTable(std::vector<std::string> lines) : lines_(std::move(lines))
{
    for (const std::string& line : lines_) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        firstTextByKey_.try_emplace(LowerCaseText(std::string_view(line).substr(0, equals)),
                                    line.substr(equals + 1));
    }
}

std::string LanguageTable::Lookup(std::string_view key) const
{
    const auto found = firstTextByKey_.find(LowerCaseText(key));
    return found == firstTextByKey_.end() ? std::string() : found->second;
}

bool LanguageTable::Contains(std::string_view key) const
{
    return firstTextByKey_.contains(LowerCaseText(key));
}

std::vector<std::string> SplitLanguageLines(std::string_view cp1252)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        if (cp1252[i] != '\r' && cp1252[i] != '\n')
            continue;
        lines.push_back(Cp1252ToUtf8(cp1252.substr(start, i - start)));
        if (cp1252[i] == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < cp1252.size())
        lines.push_back(Cp1252ToUtf8(cp1252.substr(start)));
    return lines;
}

LanguageList LoadLanguageList(const fs::path& dir)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
        if (IsLanguageFile(*it))
            files.push_back(it->path());
    std::ranges::sort(files, LessIgnoringCase{}, [](const fs::path& p) { return p.filename().string(); });

    LanguageList list;
    for (const fs::path& file : files) {
        std::string bytes;
        LanguageTable table;
        if (ReadWholeFile(file, bytes))
            table = LanguageTable(SplitLanguageLines(bytes));
        std::string name = table.Lookup(LanguageNameKey);
        if (name.empty())
            name = UnknownLanguageName;
        list.push_back({std::move(name), std::move(table), file});
    }
    return list;
}

const Language* FindLanguage(const LanguageList& list, std::string_view name)
{
    const auto found = std::ranges::find_if(list, [&](const Language& l) { return SameText(l.Name, name); });
    return found == list.end() ? nullptr : &*found;
}

}  // namespace kr
