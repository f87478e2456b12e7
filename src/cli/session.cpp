#include "cli/session.h"

#include "core/common/text_case.h"

namespace kr::cli {

namespace {

constexpr char PointSeparator = '.';
constexpr char CommaSeparator = ',';

std::optional<char> DecimalSeparatorOption(const Options& options, std::ostream& err)
{
    const std::string text = options.Value("--decimal", ".");
    if (text.size() == 1 && (text[0] == PointSeparator || text[0] == CommaSeparator))
        return text[0];
    err << "krcool: --decimal takes . or , (not \"" << text << "\")\n";
    return std::nullopt;
}

std::string LanguageNames(const LanguageList& languages)
{
    std::string names;
    for (const Language& language : languages)
        names += (names.empty() ? "" : ", ") + language.Name;
    return names.empty() ? "none" : names;
}

}  // namespace

SessionOpen OpenSession(const Options& options, std::ostream& err)
{
    SessionOpen open;
    const std::optional<char> separator = DecimalSeparatorOption(options, err);
    if (!separator) {
        open.ExitCode = UsageExitCode;
        return open;
    }
    const std::string languageName = options.Value("--lang", DefaultLanguageName);
    const auto dir = std::filesystem::path(options.Value("--appdir", ExecutableDir().string()));

    AppFolderLoad load = LoadAppFolder(dir);
    if (!load.ErrorKey.empty()) {
        err << LoadFailureLine(load, languageName) << '\n';
        open.ExitCode = FailureExitCode;
        return open;
    }
    const Language* language = FindLanguage(load.Folder.Languages, languageName);
    if (language == nullptr) {
        err << "krcool: no language \"" << languageName << "\" in " << dir.string()
            << " (languages: " << LanguageNames(load.Folder.Languages) << ")\n";
        open.ExitCode = options.Has("--lang") ? UsageExitCode : FailureExitCode;
        return open;
    }

    Session session;
    session.Texts = language->Table;
    session.Folder = std::move(load.Folder);
    // Numbers are written without thousands separators; none of the
    // patterns used here groups digits.
    session.Settings = {*separator, '\0'};
    open.Opened = std::move(session);
    return open;
}

std::set<std::string_view> WithSessionOptions(std::set<std::string_view> valueOptions)
{
    valueOptions.insert(SessionOptions.begin(), SessionOptions.end());
    return valueOptions;
}

}  // namespace kr::cli
